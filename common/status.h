// Result of an operation that can fail for reasons the user must be told about
// (a file that cannot be read, a damaged table). The message is meant for a
// message box or a line on stderr, so it names the file and what went wrong.
#pragma once

#include <string>
#include <utility>

namespace quilm {

class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

}  // namespace quilm

// Whole inputs and outputs of the subcommands that read text: a named file
// or standard input in, standard output out, each failure a one-line
// message naming the command.
#pragma once

#include <optional>
#include <string>

#include "common/bytes.h"

namespace quilm::cli {

// The bytes of `file`, or of standard input when `file` is empty or "-".
std::optional<Bytes> read_input(const char* command, const std::string& file);
// Standard input whole, for a command that reads it once: a regular file is
// mapped into memory rather than copied, any other input is read.
class StandardInput {
 public:
  static std::optional<StandardInput> read(const char* command);
  StandardInput(StandardInput&& other) noexcept;
  StandardInput& operator=(StandardInput&&) = delete;
  ~StandardInput();
  BytesView text() const { return mapped_ ? BytesView(static_cast<const char*>(mapped_), size_) : BytesView(read_); }

 private:
  StandardInput() = default;
  void* mapped_ = nullptr;
  std::size_t size_ = 0;
  Bytes read_;
};

// Writes `out` to standard output; false after a message when it cannot.
bool write_output(const char* command, BytesView out);

}  // namespace quilm::cli

// A fresh folder under the system's temporary folder, removed with the object.
#pragma once

#include <filesystem>
#include <string>

#include "common/bytes.h"

namespace quilm::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  void write(const std::string& name, BytesView contents) const;
  Bytes read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace quilm::test

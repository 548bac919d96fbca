#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quilm::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quilm-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, BytesView contents) const {
  std::filesystem::create_directories((path_ / name).parent_path());
  std::ofstream out(path_ / name, std::ios::binary);
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

Bytes TempDir::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace quilm::test

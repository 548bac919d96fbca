// Header and length checks of SQLite table files. The header layout is that
// of the SQLite file format: a 16-byte magic string, the page size at offset
// 16, the change counter at 24, the page count at 28 and the change counter
// the page count is valid for at 92.
#include "tables/table_file_check.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

namespace quilm {
namespace {

constexpr char kMagic[] = "SQLite format 3";  // 16 bytes with its terminating zero
constexpr std::size_t kHeaderSize = 100;

struct Header {
  unsigned char bytes[kHeaderSize] = {};
  std::size_t length = 0;  // bytes actually read
};

Header read_header(const std::filesystem::path& path) {
  Header header;
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(header.bytes), kHeaderSize);
  header.length = static_cast<std::size_t>(in.gcount());
  return header;
}

std::uint32_t big_endian(const unsigned char* p, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value = (value << 8) | p[i];
  return value;
}

bool has_magic(const Header& header) {
  return header.length >= sizeof kMagic && std::memcmp(header.bytes, kMagic, sizeof kMagic) == 0;
}

}  // namespace

Status check_table_file_header(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return Status::Error("the file does not exist");
  if (!std::filesystem::is_regular_file(status)) return Status::Error("it is not a file");
  const Header header = read_header(path);
  if (header.length == 0) {
    if (std::filesystem::file_size(path, error) == 0) return Status::Error("the file is empty");
    return Status::Error("the file cannot be read");
  }
  if (!has_magic(header)) return Status::Error("it is not a table file (not an SQLite database)");
  return Status::Ok();
}

Status check_table_file_length(const std::filesystem::path& path) {
  const Header header = read_header(path);
  if (header.length < kHeaderSize) return Status::Error("the file is damaged: it is cut short");
  const std::uint32_t raw_page_size = big_endian(header.bytes + 16, 2);
  const std::uint64_t page_size = raw_page_size == 1 ? 65536 : raw_page_size;
  const bool page_count_valid = big_endian(header.bytes + 24, 4) == big_endian(header.bytes + 92, 4);
  if (!page_count_valid || page_size == 0) return Status::Ok();
  const std::uint64_t expected = page_size * big_endian(header.bytes + 28, 4);
  std::error_code error;
  const std::uint64_t actual = std::filesystem::file_size(path, error);
  if (error) return Status::Error("the file cannot be read");
  if (actual < expected)
    return Status::Error("the file is damaged: it is cut short (" + std::to_string(actual) + " of " +
                         std::to_string(expected) + " bytes)");
  return Status::Ok();
}

}  // namespace quilm

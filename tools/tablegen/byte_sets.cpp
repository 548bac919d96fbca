// Byte-set tables. One row per font index, or per group of font indices that
// share a set:
//
//   INDEX[,INDEX...]  BYTE...      BYTE is HH or a range HH-HH (hexadecimal)
//
// Every index from 0 to 50 must be listed exactly once, so that a lost or
// doubled row fails the build; a byte given twice in one row, a range that
// runs backwards or a value that is not a byte fails it too.
#include "tools/tablegen/byte_sets.h"

#include <array>
#include <bitset>
#include <filesystem>
#include <optional>
#include <sstream>

#include "tools/tablegen/cpp_output.h"
#include "tools/tabletext/table_text.h"

namespace tablegen {

using namespace tabletext;

namespace {

constexpr int kFontIndices = 51;

std::vector<int> parse_indices(const Record& r) {
  std::vector<int> indices;
  std::string_view text = r.at(0).text;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string part(text.substr(0, comma));
    const int index = parse_int(r, Field{part, false});
    if (index < 0 || index >= kFontIndices) r.fail("font index " + part + " is outside 0..50");
    indices.push_back(index);
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  }
  return indices;
}

void add_bytes(const Record& r, const Field& f, std::bitset<256>& set) {
  const auto [first, last] = parse_byte_range(r, f);
  for (unsigned b = first; b <= last; ++b) {
    if (set.test(b)) r.fail(byte_name(static_cast<std::uint8_t>(b)) + " given twice");
    set.set(b);
  }
}

std::array<std::bitset<256>, kFontIndices> read_byte_sets(const std::string& path) {
  std::array<std::bitset<256>, kFontIndices> sets;
  std::array<bool, kFontIndices> listed{};
  for (const Record& r : read_records(path)) {
    std::bitset<256> set;
    for (std::size_t i = 1; i < r.fields.size(); ++i) add_bytes(r, r.fields[i], set);
    for (int index : parse_indices(r)) {
      if (listed[index]) r.fail("font index " + std::to_string(index) + " listed twice");
      listed[index] = true;
      sets[index] = set;
    }
  }
  for (int index = 0; index < kFontIndices; ++index)
    if (!listed[index]) throw TableError(path + ": font index " + std::to_string(index) + " is not listed");
  return sets;
}

std::string emit(const std::string& path, const std::array<std::bitset<256>, kFontIndices>& sets) {
  std::ostringstream out;
  out << generated_banner("fonts/data/" + std::filesystem::path(path).filename().string())
      << "namespace {\n\nconstexpr std::array<quilm::ByteSet, " << kFontIndices << "> kWordChars = {{\n";
  for (int index = 0; index < kFontIndices; ++index) {
    out << "    /* " << index << " */ quilm::ByteSet{";
    const char* separator = "";
    for (int b = 0; b < 256; ++b) {
      if (!sets[index].test(b)) continue;
      out << separator << byte_name(static_cast<std::uint8_t>(b));
      separator = ", ";
    }
    out << "},\n";
  }
  out << "}};\n\n}  // namespace\n";
  return out.str();
}

}  // namespace

std::string generate_byte_sets(const std::string& path) { return emit(path, read_byte_sets(path)); }

}  // namespace tablegen

// Byte-map tables. A file holds one or more maps:
//
//   @map NAME bytes      rows  KEY -> BYTE...         (one to three HH)
//   @map NAME unicode    rows  KEY -> CODE-POINT...   (one to three U+XXXX)
//
// KEY is a byte HH; a key given twice, an empty or too long output, or an
// output of the wrong kind fails the build with the file and line.
#include "tools/tablegen/byte_map.h"

#include <array>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "tools/tablegen/cpp_output.h"
#include "tools/tabletext/table_text.h"

namespace tablegen {

using namespace tabletext;

namespace {

constexpr std::size_t kMaxOutputs = 3;

struct ByteMap {
  std::string name;
  bool unicode = false;
  std::array<std::optional<std::u32string>, 256> rows;  // bytes kept as char32_t
};

void read_map_header(const Record& r, std::vector<ByteMap>& maps, std::set<std::string>& names) {
  if (r.fields.size() != 3 || (r.at(2).text != "bytes" && r.at(2).text != "unicode"))
    r.fail("expected: @map NAME bytes|unicode");
  if (!names.insert(r.at(1).text).second) r.fail("map " + r.at(1).text + " given twice");
  maps.push_back({r.at(1).text, r.at(2).text == "unicode", {}});
}

void read_map_row(const Record& r, ByteMap& map) {
  const std::uint8_t key = parse_byte(r, r.at(0));
  if (r.fields.size() < 3 || r.at(1).text != "->") r.fail("expected: HH -> OUTPUT...");
  if (map.rows[key]) r.fail(byte_name(key) + " given twice in map " + map.name);
  std::u32string out;
  for (std::size_t i = 2; i < r.fields.size(); ++i) {
    const Field& f = r.fields[i];
    if (map.unicode != is_code_point(f))
      r.fail(map.unicode ? "map " + map.name + " gives code points U+XXXX"
                         : "map " + map.name + " gives bytes HH");
    out += map.unicode ? parse_code_point(r, f) : static_cast<char32_t>(parse_byte(r, f));
  }
  if (out.size() > kMaxOutputs) r.fail("at most three outputs");
  map.rows[key] = std::move(out);
}

std::vector<ByteMap> read_byte_maps(const std::string& path) {
  std::vector<ByteMap> maps;
  std::set<std::string> names;
  for (const Record& r : read_records(path)) {
    if (!r.at(0).quoted && r.at(0).text == "@map") {
      read_map_header(r, maps, names);
      continue;
    }
    if (maps.empty()) r.fail("a row before the first @map");
    read_map_row(r, maps.back());
  }
  if (maps.empty()) throw TableError(path + ": no @map section");
  return maps;
}

std::string entry(const ByteMap& map, const std::u32string& out) {
  if (map.unicode) return "{" + u32_literal(out) + ", " + std::to_string(out.size()) + "}";
  std::string bytes;
  for (char32_t c : out) bytes += static_cast<char>(c);
  return "{" + bytes_literal(bytes) + ", " + std::to_string(bytes.size()) + "}";
}

std::string emit(const std::string& path, const std::vector<ByteMap>& maps) {
  std::ostringstream out;
  out << generated_banner("encoding/tables/" + std::filesystem::path(path).filename().string()) << "namespace {\n\n";
  for (const ByteMap& map : maps) {
    out << "// @map " << map.name << "\nconstexpr std::array<std::" << (map.unicode ? "u32" : "")
        << "string_view, 256> " << constant_name(map.name) << " = {{\n";
    for (int b = 0; b < 256; ++b) {
      if (map.rows[b])
        out << "    /* " << byte_name(static_cast<std::uint8_t>(b)) << " */ " << entry(map, *map.rows[b]) << ",\n";
      else
        out << "    {},\n";
    }
    out << "}};\n\n";
  }
  out << "}  // namespace\n";
  return out.str();
}

}  // namespace

std::string generate_byte_maps(const std::string& path) { return emit(path, read_byte_maps(path)); }

}  // namespace tablegen

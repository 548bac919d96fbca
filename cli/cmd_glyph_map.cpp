// quilm-cli glyph-map: what each byte of a font encoding draws, as the
// encoding's reader and the pivot table say. The display-font generator
// (tools/fontgen) reads this to build one stand-in font per encoding.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "common/hex.h"
#include "fonts/display/glyph_map.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Prints, for each font index given (default: every encoding that has a reader,\n"
    "and the pivot encoding 9), tab-separated lines:\n"
    "  encoding INDEX STEM\n"
    "  name     INDEX FONT-NAME                (one line per font name)\n"
    "  byte     INDEX XX PIVOT MEANING ROLES UNICODE\n"
    "  pair     INDEX XX YY PIVOT MEANING ROLES UNICODE   (two bytes read together)\n"
    "PIVOT is what the reader gives for byte XX alone, MEANING the same with\n"
    "alternate glyphs replaced by their standard bytes (both hexadecimal), ROLES\n"
    "the role of each MEANING byte (comma-separated), UNICODE its characters\n"
    "(U+XXXX, space-separated); - stands for an empty field.";

std::string hex_bytes(BytesView bytes) { return bytes.empty() ? "-" : hex::format_bytes(bytes); }

std::string role_list(const std::vector<pivot::Role>& roles) {
  std::string out;
  for (pivot::Role role : roles) {
    if (!out.empty()) out += ',';
    for (char c : pivot::role_name(role)) out += c == ' ' ? '_' : c;
  }
  return out.empty() ? "-" : out;
}

std::string code_points(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    char buf[12];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out.empty() ? "-" : out;
}

std::string reading(const display::ByteReading& r) {
  return hex_bytes(r.pivot) + "\t" + hex_bytes(r.meaning) + "\t" + role_list(r.roles) + "\t" + code_points(r.unicode);
}

void print_encoding(const FontRegistry& registry, int index) {
  const FontEncoding* e = registry.encoding(index);
  const std::string stem = index == font_index::kPivot ? "pivot" : std::string(e->stem);
  std::printf("encoding\t%d\t%s\n", index, stem.c_str());
  for (const std::string& name : display::names_of_encoding(registry, index))
    std::printf("name\t%d\t%s\n", index, name.c_str());
  for (const display::ByteReading& r : display::glyph_map(index))
    std::printf("byte\t%d\t%02X\t%s\n", index, r.byte, reading(r).c_str());
  for (const display::PairReading& p : display::pair_map(index))
    std::printf("pair\t%d\t%s\t%s\n", index, hex_bytes(p.bytes).c_str(), reading(p.reading).c_str());
}

std::optional<std::vector<int>> parse_indices(const std::vector<std::string>& args, const FontRegistry& registry) {
  std::vector<int> out;
  for (const std::string& a : args) {
    const bool number = !a.empty() && a.size() <= 3 && a.find_first_not_of("0123456789") == std::string::npos;
    if (!number || registry.encoding(std::stoi(a)) == nullptr) {
      std::fprintf(stderr, "quilm-cli glyph-map: \"%s\" is not a font index\n", a.c_str());
      return std::nullopt;
    }
    out.push_back(std::stoi(a));
  }
  return out;
}

}  // namespace

int run_glyph_map(const Args& args) {
  std::vector<std::string> index_args;
  OptionParser parser("glyph-map", kAbout);
  parser.rest("INDEX", index_args);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  const FontRegistry registry;
  std::optional<std::vector<int>> indices = parse_indices(index_args, registry);
  if (!indices) return kUsage;
  if (indices->empty()) indices = display::displayed_encodings(registry);
  for (int index : *indices) print_encoding(registry, index);
  return kSuccess;
}

}  // namespace quilm::cli

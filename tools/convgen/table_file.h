// One converter table file of fonts/tables/ as written, before a member that
// is defined as differences is merged with its base. The file format is
// described in fonts/tables/README.md.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/tabletext/table_text.h"

namespace convgen {

using ByteString = std::vector<std::uint8_t>;

// A mistake in a table file; the message starts with "file:line: ".
using tabletext::TableError;

struct Place {
  std::string file;
  int line = 0;
  std::string where() const { return file + ":" + std::to_string(line) + ": "; }
};

enum class Kind { reader, writer };

struct UnitLine {
  std::uint8_t first = 0, second = 0;
  std::optional<std::uint8_t> third;  // a three-byte unit
  std::optional<std::uint8_t> when;   // a conditional unit: only before this byte
  bool precedence = false;
  ByteString output;                  // empty for precedence units
  Place at;
};

struct RuleLine {
  std::uint8_t byte = 0;
  ByteString alternate;
  std::vector<std::uint8_t> previous;
  std::vector<std::uint8_t> before_previous;
  Place at;
};

enum class Action { plain, drop, append, join };

struct PatternLine {
  Action action = Action::plain;
  std::uint8_t glyph = 0;
};

struct TableFile {
  Place at;  // line 0: the file itself
  Kind kind = Kind::reader;
  std::string name;
  std::string base;  // empty: a complete table
  std::vector<int> fonts;
  std::map<std::uint8_t, ByteString> singles;
  std::vector<UnitLine> units;
  std::vector<std::pair<std::uint8_t, std::uint8_t>> removed_units;
  bool remove_rules = false;
  bool remove_keep_context = false;  // (derived) none of the base's keep-context bytes
  bool remove_post_pass = false;     // (derived) not the base's post-pass
  // Writers: the glyph a nukta after a consonant of the joining set adds when
  // the writer has no unit for the pair (by the consonant).
  std::map<std::uint8_t, ByteString> joined;
  std::vector<RuleLine> rules;
  std::optional<std::vector<std::uint8_t>> keep_context;
  std::map<std::string, PatternLine> patterns;  // by pattern name
  std::optional<std::string> post_pass;
  std::optional<std::string> pre_pass;
};

// The pattern names a writer may set.
inline const char* const kPatternNames[] = {"bindi-after-kanna", "nukta-after-joiner", "na-uu-tippi"};

// Reads and checks one table file; throws TableError.
TableFile parse_table_file(const std::filesystem::path& path);

}  // namespace convgen

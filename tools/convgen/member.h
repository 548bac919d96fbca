// A converter with its complete tables: a table file merged with the chain of
// bases it names, and checked as a whole.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/convgen/table_file.h"

namespace convgen {

using BytePair = std::pair<std::uint8_t, std::uint8_t>;

struct Member {
  Kind kind = Kind::reader;
  std::string name;
  std::string file;
  std::vector<int> fonts;
  std::array<ByteString, 256> single;     // every byte's output
  std::map<BytePair, UnitLine> units;     // by their first two bytes
  std::map<std::uint8_t, RuleLine> rules; // by the byte they rewrite
  std::vector<std::uint8_t> keep_context;
  std::map<std::uint8_t, ByteString> joined;  // writers: nukta joined without a unit, by consonant
  std::array<PatternLine, 3> patterns;    // in the order of kPatternNames
  bool format_for_quilm = false;
  bool sa_nukta_as_sha = false;  // writers: the pre-pass that reads SA + nukta as SHA
};

// Merges every file with its bases and checks the result: known bases of the
// same kind and no cycles, units that a member removes exist in its base,
// each font index selects at most one reader and one writer, outputs fit
// the compiled glyph slots. Throws TableError.
std::vector<Member> resolve_members(const std::vector<TableFile>& files);

}  // namespace convgen

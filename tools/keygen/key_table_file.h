// Reading the keystroke tables of typing/tables/: the byte sets, glyph pairs,
// free-position lists and legal-combination rules that the typing code runs,
// kept as text so that a rule can be read and changed without touching code.
// Every error names the file and line, so a malformed table stops the build.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/tabletext/table_text.h"

namespace keygen {

using tabletext::TableError;

using Bits = std::bitset<256>;

struct NamedSet {
  std::string name;
  Bits bytes;
};

struct Pair {
  std::uint8_t first, second;
};

struct PairList {
  std::string name;
  std::vector<Pair> rows;
};

// One row of a free-position list: for `key` (when the previous key passes
// the test) the previous keys and the characters before the caret after
// which the vowel must be written as an independent vowel.
struct FreeRow {
  std::uint8_t key = 0;
  char previous_test = '*';  // '*' any, '=' is previous_key, '!' is not
  std::uint8_t previous_key = 0;
  Bits listed_previous;
  Bits listed_before;
};

struct FreeList {
  std::string name;
  std::vector<FreeRow> rows;
};

struct Condition {
  int slot = 0;  // 0..3 P1..P4, 4 N1, 5 N2
  bool negated = false;
  Bits set;
};

struct CheckRow {
  std::string action;  // refuse, become, replace-p1, replace-p1p2
  std::uint8_t glyph = 0;
  Bits keys;
  std::vector<Condition> conditions;
  int line = 0;
};

struct CheckList {
  std::string name;
  std::vector<CheckRow> rows;
};

struct TableFile {
  std::string path;
  std::string space;  // the C++ namespace under quilm::typing::tables
  std::vector<NamedSet> sets;
  std::vector<PairList> pairs;
  std::vector<FreeList> frees;
  std::vector<CheckList> checks;
};

inline constexpr std::size_t kMaxConditions = 3;

TableFile read_table_file(const std::string& path);

}  // namespace keygen

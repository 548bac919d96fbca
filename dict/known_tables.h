// The dBase tables of the program that an import knows by name: the
// indexes the windows select on them and the fields computed from others.
#pragma once

#include <array>
#include <string_view>

namespace quilm {

enum class Derivation {
  DictionaryKey,  // dictionary_key of the source field (index-31 glyph bytes)
  ReversedBytes,  // the source field's bytes in reverse order
};

struct DerivedField {
  std::string_view field;
  std::string_view source;
  Derivation how;
};

struct KnownIndex {
  std::string_view name;
  std::string_view fields;  // ';'-separated, as IndexFieldNames writes them
};

struct KnownTable {
  std::string_view file;  // as the program names it; compared without regard to case or extension
  std::array<DerivedField, 1> derived;  // an empty field name: none
  std::array<KnownIndex, 2> indexes;     // an empty name: none
};

inline constexpr std::array<KnownTable, 7> kKnownTables = {{
    {"pbi_to_eng.DBF", {{{"SORTWORD", "WORD", Derivation::DictionaryKey}}}, {{{"SORTWORD", "SORTWORD"}, {}}}},
    {"EngPbi.DBF", {{}}, {{{"WORD", "WORD"}, {}}}},
    {"wordlist1a.dbf", {{{"SortWord", "Word", Derivation::ReversedBytes}}}, {{{"WORD", "Word"}, {"SORTWORD", "SortWord"}}}},
    {"RomanGur.dbf", {{}}, {{{"ROMAN", "Roman"}, {}}}},
    {"EnglishGur.DBF", {{}}, {{{"ROMAN", "Roman"}, {}}}},
    {"TriGram1.DBF", {{}}, {{{"PWORD", "ppword;pword;word"}, {}}}},
    {"adt", {{}}, {{{"ROMAN", "ROMAN"}, {}}}},
}};

// The known table a file name stands for; nullptr for others.
const KnownTable* known_table(std::string_view file_name);

}  // namespace quilm

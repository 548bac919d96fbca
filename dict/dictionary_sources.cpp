#include "dict/dictionary_sources.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dict/dictionary_key.h"
#include "dict/gurmukhi_text.h"
#include "dict/known_tables.h"
#include "tables/build_table_file.h"

namespace quilm {
namespace {

enum class Fill {
  Text,           // the column as it stands
  Gurmukhi,       // the column's Gurmukhi as index-31 bytes
  DictionaryKey,  // dictionary_key of the column's index-31 bytes
  Reversed,       // the column's index-31 bytes in reverse order
  Lower,          // the column in ASCII lower case
};

struct FieldFill {
  std::string_view field;  // empty: none
  int column = 0;
  Fill how = Fill::Text;
};

struct SourceRecipe {
  std::string_view table;
  std::array<FieldFill, 4> fields;
};

// The shipped sources: data/dict/*.tsv and, for the affix list, the main
// word list data/spell/words.tsv (its first column).
constexpr std::array<SourceRecipe, 5> kRecipes = {{
    {"pbi_to_eng.DBF",
     {{{"WORD", 0, Fill::Gurmukhi}, {"TYPE", 1, Fill::Text}, {"MEANING", 2, Fill::Text},
       {"SORTWORD", 0, Fill::DictionaryKey}}}},
    {"EngPbi.DBF", {{{"WORD", 0, Fill::Text}, {"TYPE", 1, Fill::Text}, {"Meaning", 2, Fill::Gurmukhi}, {}}}},
    {"wordroot1.DB", {{{"Word", 0, Fill::Gurmukhi}, {"Root", 1, Fill::Gurmukhi}, {"SORTWORD", 0, Fill::DictionaryKey}, {}}}},
    {"adt", {{{"ENGLISH", 0, Fill::Text}, {"PUNJABI", 1, Fill::Gurmukhi}, {"ROMAN", 0, Fill::Lower}, {}}}},
    {"wordlist1a.dbf", {{{"Word", 0, Fill::Gurmukhi}, {"SortWord", 0, Fill::Reversed}, {}, {}}}},
}};

const SourceRecipe* recipe_of(std::string_view table_name) {
  const KnownTable* known = known_table(table_name);
  for (const SourceRecipe& r : kRecipes)
    if (known ? known_table(r.table) == known : names_equal(r.table, table_name)) return &r;
  return nullptr;
}

std::vector<std::string_view> columns_of(std::string_view line) {
  std::vector<std::string_view> out;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    out.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return out;
    start = tab + 1;
  }
}

std::optional<Bytes> filled(const FieldFill& fill, std::string_view column, const FontConverter& converter) {
  if (fill.how == Fill::Text) return Bytes(column);
  if (fill.how == Fill::Lower) return ascii_lower(column);
  std::optional<Bytes> glyphs = dictionary_bytes_of_utf8(column, converter);
  if (!glyphs) return std::nullopt;
  if (fill.how == Fill::DictionaryKey) return dictionary_key(*glyphs);
  if (fill.how == Fill::Reversed) std::reverse(glyphs->begin(), glyphs->end());
  return glyphs;
}

struct SourceRecord {
  std::vector<FieldValue> values;
};

Status read_records(const SourceRecipe& recipe, BytesView source, const FontConverter& converter,
                    std::vector<std::string>& fields, std::vector<SourceRecord>& records) {
  int needed = 0;
  for (const FieldFill& f : recipe.fields) {
    if (f.field.empty()) continue;
    fields.emplace_back(f.field);
    needed = std::max(needed, f.column + 1);
  }
  std::size_t line_number = 0;
  for (std::size_t start = 0; start < source.size();) {
    const std::size_t end = std::min(source.find('\n', start), source.size());
    std::string_view line = source.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(line_number) + ": ";
    const std::vector<std::string_view> columns = columns_of(line);
    if (static_cast<int>(columns.size()) < needed)
      return Status::Error(where + "expected " + std::to_string(needed) + " tab-separated columns");
    SourceRecord record;
    for (const FieldFill& f : recipe.fields) {
      if (f.field.empty()) continue;
      std::optional<Bytes> value = filled(f, columns[f.column], converter);
      if (!value) return Status::Error(where + "not UTF-8 text");
      record.values.emplace_back(std::move(*value));
    }
    records.push_back(std::move(record));
  }
  return Status::Ok();
}

}  // namespace

bool has_dictionary_source_recipe(std::string_view table_name) { return recipe_of(table_name) != nullptr; }

Status build_dictionary_table(std::string_view table_name, const TableSchema& schema, BytesView source,
                              const std::filesystem::path& out, const FontConverter& converter) {
  const SourceRecipe* recipe = recipe_of(table_name);
  if (!recipe) return Status::Error("no source recipe for the table " + std::string(table_name));
  std::vector<std::string> fields;
  std::vector<SourceRecord> records;
  if (Status s = read_records(*recipe, source, converter, fields, records); !s) return s;
  for (const std::string& f : fields)
    if (field_position(schema, f) < 0) return Status::Error("the schema has no field " + f);
  return build_table_file(out, schema, [&](Table& table) {
    for (const SourceRecord& r : records)
      if (Status s = insert_record(table, fields, r.values); !s) return s;
    return Status::Ok();
  });
}

}  // namespace quilm

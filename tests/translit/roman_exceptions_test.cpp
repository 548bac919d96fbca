// GurRoman.db made from a word list, and looked up under the canonical key.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "encoding/utf16.h"
#include "fonts/conversion_context.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "tests/support/temp_dir.h"
#include "translit/roman_exceptions.h"

namespace quilm::test {
namespace {

TableSchema exceptions_schema() {
  TableSchema schema;
  EXPECT_TRUE(parse_table_schema("field Word text\nfield Roman text\nprimary Word\n", &schema).ok());
  return schema;
}

struct ExceptionTable : ::testing::Test {
  TempDir dir;
  ConversionContext context;
  FontConverter converter{context};

  Status build(BytesView words) {
    return build_roman_exceptions(exceptions_schema(), words, dir / "GurRoman.db", converter);
  }
};

TEST_F(ExceptionTable, AWordOfTheListIsFoundInTheFormTheRulesLookUp) {
  ASSERT_TRUE(build("# names\n\xE0\xA8\xAA\xE0\xA9\xB0\xE0\xA8\x9C\xE0\xA8\xBE\xE0\xA8\xAC\tPunjab\r\n\n").ok());
  SqliteTable table((dir / "GurRoman.db").string());
  ASSERT_TRUE(table.Open().ok());
  StoredRomanExceptions exceptions(table);
  // AnmolLipi "pMjwb", read into the pivot encoding as a document word is.
  const Bytes pivot = converter.conversion("pMjwb", 2, 9, true);
  const RomanWord word = transliterate_word(pivot, &exceptions);
  EXPECT_EQ(word.roman, "Punjab");
  EXPECT_EQ(word.source, RomanSource::Exception);
  EXPECT_EQ(transliterate_word(converter.conversion("pMj", 2, 9, true), &exceptions).source, RomanSource::Rules);
}

TEST_F(ExceptionTable, AMalformedListWritesNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"\xE0\xA8\xAA Punjab\n", "line 1: expected GURMUKHI<TAB>ROMAN"},
      {"\xE0\xA8\xAA\tP\n\xE0\xA8\xAA\tQ\n", "line 2: the word is given twice"},
      {"\xE0\xA8\xAA\t\xE0\xA8\xAA\n", "line 1: the Roman spelling must be printable ASCII"},
      {"\xFF\tP\n", "line 1: the Gurmukhi word is not UTF-8 text"},
  };
  for (const auto& [words, message] : cases) {
    SCOPED_TRACE(message);
    const Status s = build(words);
    EXPECT_EQ(s.message(), message);
    EXPECT_FALSE(std::filesystem::exists(dir / "GurRoman.db"));
    EXPECT_FALSE(std::filesystem::exists(dir / "GurRoman.db.partial"));
  }
}

TEST(ShippedExceptionTable, EveryEntryDiffersFromWhatTheRulesGive) {
  ConversionContext context;
  const FontConverter converter(context);
  const std::optional<Bytes> words = read_file(std::filesystem::path(QUILM_DATA_DIR) / "tables/GurRoman.db.words");
  ASSERT_TRUE(words.has_value());
  std::size_t entries = 0;
  for (std::size_t start = 0; start < words->size();) {
    const std::size_t end = std::min(words->find('\n', start), words->size());
    const std::string line = words->substr(start, end - start);
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    SCOPED_TRACE(line);
    const Bytes key = roman_key_of_unicode(*from_utf8(line.substr(0, tab)), converter);
    std::string rules = transliterate_by_rules(key), stored = line.substr(tab + 1);
    for (char& c : rules) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (char& c : stored) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(rules, stored) << "the rules already spell it so";
    ++entries;
  }
  EXPECT_GT(entries, 20u);
}

}  // namespace
}  // namespace quilm::test

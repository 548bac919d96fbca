// The dictionary lookups on small tables filled from sources in the shipped
// form: a headword, a spelling variant, an inflected form through its root,
// and a word that is none of these; the English dictionary; the affix lists;
// the administrative terms.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "dict/admin_terms.h"
#include "dict/affix_list.h"
#include "dict/dictionary_lookup.h"
#include "dict/dictionary_sources.h"
#include "dict/gurmukhi_text.h"
#include "fonts/conversion_context.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "tests/dict/shipped_table.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

// A word looked up, what the lookup says, and the headword it leaves the table on.
struct LookupCase {
  const char* word;
  LookupResult result;
  const char* headword;
};

class DictionaryTables : public ::testing::Test {
 protected:
  // Builds `table` of the temporary folder from `source` with its shipped schema.
  Status build(const std::string& table, BytesView source) {
    return test::build_shipped_table(table, source, dir_.path(), converter_);
  }

  void open(const std::string& table, const std::string& index, SqliteTable& t) {
    ASSERT_TRUE(t.SetTableName((dir_ / table).string()));
    ASSERT_TRUE(t.Open());
    if (!index.empty()) {
      ASSERT_TRUE(t.SetIndexName(index));
    }
  }

  Bytes glyphs(std::string_view utf8) { return *dictionary_bytes_of_utf8(utf8, converter_); }
  std::string utf8(BytesView bytes) { return utf8_of_dictionary_bytes(bytes, converter_); }

  test::TempDir dir_;
  ConversionContext context_;
  FontConverter converter_{context_};
};

TEST_F(DictionaryTables, PunjabiWordsAreFoundByKeyVariantOrRoot) {
  ASSERT_TRUE(build("pbi_to_eng.DBF",
                    "ਕਰ\tv.\tdo\nਕਰਨਾ\tv.\tto do\nਜ਼ਮੀਨ\tn.\tland; earth\nਮੁੰਡਾ\tn.\tboy\nਸ਼ਹਿਰ\tn.\tcity\n"));
  ASSERT_TRUE(build("wordroot1.DB", "ਕਰਦਾ\tਕਰਨਾ\nਮੁੰਡੇ\tਮੁੰਡਾ\nਮੁੰਡਿਆਂ\tਮੁੰਡਾ\n"));
  SqliteTable dictionary, roots;
  open("pbi_to_eng.DBF", "SORTWORD", dictionary);
  open("wordroot1.DB", "SORTWORD", roots);
  const LookupCase cases[] = {
      {"ਮੁੰਡਾ", LookupResult::Found, "ਮੁੰਡਾ"},
      {"ਕੱਰ", LookupResult::Similar, "ਕਰ"},          // an addak too many
      {"ਜਮੀਨ", LookupResult::Similar, "ਜ਼ਮੀਨ"},        // the nukta left out
      {"ਮੁੰਡਿਆਂ", LookupResult::Root, "ਮੁੰਡਾ"},
      {"ਕਰਦਾ", LookupResult::Root, "ਕਰਨਾ"},
      {"ਬਲਦ", LookupResult::Nearest, "ਮੁੰਡਾ"},       // ਬ sorts after ਜ and before ਮ
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(look_up_punjabi(glyphs(c.word), dictionary, &roots, converter_), c.result);
    EXPECT_EQ(utf8(dictionary.FieldByName("WORD").as_text()), utf8(glyphs(c.headword)));
  }
  EXPECT_EQ(look_up_punjabi(glyphs("ਮੁੰਡੇ"), dictionary, nullptr, converter_), LookupResult::Nearest)
      << "without the table of roots an inflected form is not found";
}

TEST_F(DictionaryTables, EnglishWordsAreFoundWhateverTheirCase) {
  ASSERT_TRUE(build("EngPbi.DBF", "Boy\tn.\tਮੁੰਡਾ\nCity\tn.\tਸ਼ਹਿਰ, ਨਗਰ\nSouth Africa\tn.\tਦੱਖਣੀ ਅਫ਼ਰੀਕਾ\n"));
  SqliteTable dictionary;
  open("EngPbi.DBF", "WORD", dictionary);
  const LookupCase cases[] = {
      {"boy", LookupResult::Found, "Boy"},
      {"CITY", LookupResult::Found, "City"},
      {"South Africa", LookupResult::Found, "South Africa"},
      {"bus", LookupResult::Nearest, "City"},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(look_up_english(c.word, dictionary), c.result);
    EXPECT_EQ(dictionary.FieldByName("WORD").as_text(), c.headword);
  }
  look_up_english("city", dictionary);
  EXPECT_EQ(utf8(dictionary.FieldByName("Meaning").as_text()), "\u0A36ਹਿਰ, ਨਗਰ") << "nukta letters come out whole";
}

TEST_F(DictionaryTables, AffixListsAreInGurmukhiOrder) {
  ASSERT_TRUE(build("wordlist1a.dbf", "ਪਰ\t5\tp\nਕਰਨਾ\t3\tp\nਘਰ\t9\tp\nਕਰ\t7\tp\nਕਰਦਾ\t2\tp\nਅੱਗ\t1\tp\n"));
  SqliteTable wordlist;
  open("wordlist1a.dbf", "", wordlist);
  struct Case {
    const char* text;
    AffixSide side;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"ਕਰ", AffixSide::Prefix, {"ਕਰ", "ਕਰਦਾ", "ਕਰਨਾ"}},
      {"ਰ", AffixSide::Suffix, {"ਕਰ", "ਘਰ", "ਪਰ"}},
      {"ਾ", AffixSide::Suffix, {"ਕਰਦਾ", "ਕਰਨਾ"}},
      {"ਤ", AffixSide::Suffix, {}},
      {"ਛ", AffixSide::Prefix, {}},
      {"", AffixSide::Prefix, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::string> words;
    for (const Bytes& w : affix_list(wordlist, glyphs(c.text), c.side)) words.push_back(utf8(w));
    EXPECT_EQ(words, c.words);
  }
}

TEST_F(DictionaryTables, AdministrativeTermsAreFoundWithoutRegardToCase) {
  ASSERT_TRUE(build("adt", "# a comment\nDeputy Commissioner\tਡਿਪਟੀ ਕਮਿਸ਼ਨਰ\nOffice\tਦਫ਼ਤਰ\n"));
  SqliteTable adt;
  open("adt", "", adt);
  AdminTerm term;
  ASSERT_TRUE(find_admin_term(adt, "OFFICE", term));
  EXPECT_TRUE(term.exact);
  EXPECT_EQ(utf8(term.punjabi), "ਦ\u0A5Eਤਰ");
  ASSERT_TRUE(find_admin_term(adt, "deputy", term));
  EXPECT_FALSE(term.exact);
  EXPECT_EQ(term.english, "Deputy Commissioner");
  EXPECT_FALSE(find_admin_term(adt, "zone", term)) << "every term comes before it";
  EXPECT_EQ(admin_term_insertion("abc"), " abc ");
}

TEST_F(DictionaryTables, AMalformedSourceWritesNothing) {
  const Status s = build("pbi_to_eng.DBF", "ਕਰ\tv.\tdo\nਘਰ only one column\n");
  ASSERT_FALSE(s);
  EXPECT_EQ(s.message(), "line 2: expected 3 tab-separated columns");
  EXPECT_FALSE(fs::exists(dir_ / "pbi_to_eng.DBF"));
  EXPECT_FALSE(build_dictionary_table("no_such_table", TableSchema{}, "a\tb\n", dir_ / "t", converter_));
}

}  // namespace
}  // namespace quilm

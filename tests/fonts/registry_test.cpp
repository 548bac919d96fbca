// The font registry: font names to font indices, membership of the Gurmukhi
// font-name table, the encodings' converter names and the drop-down lists.
#include "fonts/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace quilm {
namespace {

class FontRegistryTest : public ::testing::Test {
 protected:
  FontRegistry registry;
};

// Quoted in traces so a trailing blank shows.
std::string quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool case_blind_sorted(const std::vector<std::string>& names) {
  return std::is_sorted(names.begin(), names.end(),
                        [](const auto& a, const auto& b) { return lower(a) < lower(b); });
}

TEST_F(FontRegistryTest, FontIndexOfNames) {
  struct Case {
    std::string_view name;
    int index;
    bool punjabi;  // check_font_punjabi
  };
  const Case cases[] = {
      {"Ekta ", 7, true},                // the trailing blank belongs to the Ekta family's name
      {"Ekta", 30, true},                // in the table, but not supported
      {"EKTA-GULAB", 7, true},
      {"GurmukhiLys 020", 9, true},
      {"GurmukhiLys 020 ", 9, true},
      {"GurmukhiLys 020 Bold Italic", 9, true},
      {"GurmukhiLys 030", 30, true},
      {"GurmukhiLys 030 Wide", 30, true},
      {"GurmukhiLys 040", 30, true},
      {"GurmukhiLys 010", 33, true},
      {"PRIME-JAA", 18, true},
      {"PRIME-JA", 18, true},
      {"PNB-TTAmar", 30, false},         // only in the drop-down lists
      {"PN-TTAmar", 34, true},
      {"AnmolOutilined", 30, false},     // the misspelling the drop-down lists carry
      {"AnmolOutlined", 2, true},
      {"Prabhki", 49, true},             // between the two slot groups, not part of them
      {"Bulara", 48, true},              // first slot of the shared-encoding group
      {"Raaj Script 5 Medium", 48, true},  // last slot of its first part
      {"Punjabi Typewriter", 48, true},
      {"Punjabi Typewriter Old", 48, true},
      {"Trail_1", 50, true},
      {"Trail_2", 50, true},
      {"Quilm2010", 35, true},
      {"quilm2010", 30, false},          // case counts
      {"Quilm2010R", 31, true},
      {"GurbaniWebThick", 1, true},
      {"Nanak", 44, true},
      {"Jhelam", 24, true},
      {"Times New Roman", 30, false},
      {"Punjabi ", 30, false},           // a trailing blank counts here too
      {"", 30, false},
      {"A", 30, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(quoted(c.name));
    EXPECT_EQ(registry.get_font_index(c.name), c.index);
    EXPECT_EQ(registry.check_font_punjabi(c.name), c.punjabi);
  }
}

TEST_F(FontRegistryTest, EveryNamedEncodingIsReachableByItsNames) {
  std::set<int> reached;
  for (const FontEncoding& e : registry.encodings()) {
    for (std::string_view name : e.names) {
      SCOPED_TRACE(std::to_string(e.index) + " " + quoted(name));
      EXPECT_EQ(registry.get_font_index(name), e.index);
      EXPECT_TRUE(registry.check_font_punjabi(name));
      reached.insert(e.index);
    }
  }
  std::set<int> expected;
  for (int i = 0; i <= 50; ++i)
    if (i != 8 && i != 30) expected.insert(i);
  EXPECT_EQ(reached, expected);
}

TEST_F(FontRegistryTest, NameTableSlots) {
  EXPECT_EQ(registry.slot_capacity(), 200);
  EXPECT_EQ(registry.count(), 199);
  struct Case {
    int slot;
    std::string_view name;
  };
  const Case cases[] = {
      {0, "GurbaniQuilm"},          {1, "GurbaniQuilm"},
      {45, "GurmukhiLys 020"},      {63, "GurmukhiLys 020"},
      {116, "GurmukhiLys 020 "},    {118, "Ekta "},
      {145, "GOLD-NormalItalicA"},  {146, "Bulara"},
      {192, "Raaj Script 5 Medium"}, {193, "Prabhki"},
      {194, "Punjabi Typewriter"},  {196, "Punjabi Typewriter Old"},
      {197, "Trail_1"},             {198, "Trail_2"},
      {199, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    EXPECT_EQ(registry.slot(c.slot), c.name);
  }
  for (int i = 0; i < 199; ++i) EXPECT_FALSE(registry.slot(i).empty()) << "slot " << i;
}

TEST_F(FontRegistryTest, EmptyNameMatchesTheEmptySlotButIsNoGurmukhiFont) {
  EXPECT_TRUE(registry.in_font_table(""));
  EXPECT_FALSE(registry.check_font_punjabi(""));
}

// What a person types on a command line: the case of a name may be off.
TEST_F(FontRegistryTest, NamesMatchedWithoutRegardToCase) {
  struct Case {
    std::string_view typed, taken;
  };
  const Case cases[] = {
      {"AnmolLipi", "AnmolLipi"},  // known as it stands
      {"anmollipi", "AnmolLipi"},
      {"ANMOLLIPI", "AnmolLipi"},
      {"gold", "GOLD"},
      {"quilm2010", "Quilm2010"},
      {"pnb-ttamar", "PNB-TTAmar"},  // a name the drop-down lists add
      {"AnmolLipi ", ""},  // a trailing blank is not a difference of case
      {"NoSuchFont", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(quoted(c.typed));
    EXPECT_EQ(registry.name_ignoring_case(c.typed), c.taken);
    EXPECT_EQ(registry.known_font_name(c.typed), c.typed == c.taken && !c.typed.empty());
  }
}

TEST_F(FontRegistryTest, ConverterNames) {
  struct Case {
    int index;
    std::string_view stem, reader, writer;
  };
  const Case cases[] = {
      {0, "punjabi01", "punjabi01_to_gur", "gur_to_punjabi01"},
      {3, "gurbanilipi", "gurbanilipi_to_gur", "gur_to_gurbaniLipi"},
      {8, "", "", ""},
      {9, "", "", ""},
      {24, "jhelum", "jhelum_to_gur", "gur_to_jhelum"},
      {30, "", "", ""},
      {33, "gur10", "gur10_to_gur", "gur_to_gur10"},
      {35, "quilmp", "quilmp_to_gur", "gur_to_quilmp"},
      {41, "GurIIGS", "GurIIGS_to_gur", "gur_to_GurIIGS"},
      {44, "nanak", "nanak_to_gur", "gur_to_satluj"},
      {48, "billi", "billi_to_gur", "gur_to_billi"},
      {70, "kruti", "", "gur_to_kruti"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    const FontEncoding* e = registry.encoding(c.index);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->stem, c.stem);
    EXPECT_EQ(e->reader, c.reader);
    EXPECT_EQ(e->writer, c.writer);
    EXPECT_EQ(e->identity(), c.reader.empty() && c.writer.empty());
  }
  EXPECT_EQ(registry.encoding(51), nullptr);
}

TEST_F(FontRegistryTest, EncodingsAreListedInLookupOrder) {
  std::vector<int> indices;
  for (const FontEncoding& e : registry.encodings()) indices.push_back(e.index);
  std::vector<int> expected;
  for (int i = 0; i <= 50; ++i) expected.push_back(i);
  expected.push_back(70);
  EXPECT_EQ(indices, expected);
}

TEST_F(FontRegistryTest, DropdownOmitsAndAdds) {
  const auto names = registry.font_dropdown_names();
  const auto has = [&](std::string_view n) {
    return std::find(names.begin(), names.end(), n) != names.end();
  };
  for (std::string_view omitted :
       {"Ekta", "AnmolOutlined", "GurmukhiLys 020 Bold", "GurmukhiLys 020 Italic",
        "GurmukhiLys 030", "GurmukhiLys 030 Bold Italic", "GurmukhiLys 030 Wide",
        "GurmukhiLys 040", "LMP_Amrik", "PRIME-JAA", "Trail_1", "", "Automatic Detection",
        "Unicode"}) {
    SCOPED_TRACE(quoted(omitted));
    EXPECT_FALSE(has(omitted));
  }
  for (std::string_view kept :
       {"Ekta ", "AnmolOutilined", "PNB-TTAmar", "GurmukhiLys 020", "GurmukhiLys 020 ",
        "GurmukhiLys 020 Bold Italic", "PRIME-JA", "Trail_2", "Bulara", "Prabhki"}) {
    SCOPED_TRACE(quoted(kept));
    EXPECT_TRUE(has(kept));
  }
  EXPECT_EQ(std::count(names.begin(), names.end(), "GurbaniQuilm"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "AmrLipiHeavy"), 1);
  // 199 filled slots, 5 names held twice, 15 omitted, 2 added.
  EXPECT_EQ(names.size(), 199u - 5u - 15u + 2u);
}

TEST_F(FontRegistryTest, DropdownIsSortedWithoutRegardToCase) {
  const auto names = registry.font_dropdown_names();
  EXPECT_TRUE(case_blind_sorted(names));
  // "AMRIT" and "AmritLipi" interleave by letters, not by upper case first.
  const auto pos = [&](std::string_view n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
  EXPECT_LT(pos("AMRIT"), pos("AmritLipi"));
}

TEST_F(FontRegistryTest, DropdownExtras) {
  const auto plain = registry.font_dropdown_names();
  const auto source = registry.font_dropdown_names({.automatic_detection = true});
  const auto destination = registry.font_dropdown_names({.unicode = true});
  EXPECT_EQ(source.size(), plain.size() + 1);
  EXPECT_EQ(destination.size(), plain.size() + 1);
  EXPECT_NE(std::find(source.begin(), source.end(), "Automatic Detection"), source.end());
  EXPECT_NE(std::find(destination.begin(), destination.end(), "Unicode"), destination.end());
  EXPECT_TRUE(case_blind_sorted(source));
  EXPECT_TRUE(case_blind_sorted(destination));
}

}  // namespace
}  // namespace quilm

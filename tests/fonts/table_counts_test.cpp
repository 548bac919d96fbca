// Each converter's count of single-byte entries (bytes that do not map to
// themselves) and of two-byte units with an output of their own, against the
// member lists of the converter families: a lost, doubled or mistyped line
// of a table file shows here at once. Precedence units and the longer
// (three-byte and conditional) units of a few readers are not counted.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fonts/conversion_tables.h"

namespace quilm {
namespace {

struct Counts {
  const char* name;
  int entries;
  int units;
};

template <class Table>
int count_entries(const Table& table) {
  int entries = 0;
  for (int b = 1; b < 256; ++b) {
    const Glyphs& g = table.single[b];
    if (g.size != 1 || g.bytes[0] != b) ++entries;
  }
  return entries;
}

int count_units(const ReaderTable& table) {
  int units = 0;
  for (const ReaderUnit& u : table.units) units += u.precedence || u.kind != ReaderUnitKind::pair ? 0 : 1;
  return units;
}

int count_units(const WriterTable& table) {
  int units = 0;
  for (const WriterUnit& u : table.units) units += u.precedence ? 0 : 1;
  return units;
}

// The AnmolLipi reader and those derived from it read two glyphs more than
// their family lists give: the visarga (DA) and a second subjoined YA (EE),
// which the lists left to be copied as an ampersand and a subjoined TTA.
constexpr Counts kReaders[] = {
    {"amrlipi_to_gur", 145, 5},     {"anmollipi_to_gur", 149, 5}, {"gurbanilipi_to_gur", 134, 4},
    {"satluj_to_gur", 142, 0},      {"sarovar_to_gur", 137, 0},   {"jhelum_to_gur", 136, 0},
    {"ranjit_to_gur", 118, 0},      {"ravee_to_gur", 135, 0},     {"baljit_to_gur", 22, 2},
    {"morvendr_to_gur", 29, 0},     {"gur10_to_gur", 6, 0},       {"quilmp_to_gur", 131, 1},
    {"amritboli_to_gur", 133, 5},   {"sriangad_to_gur", 140, 5},  {"amritlipi_to_gur", 149, 5},
    {"nanak_to_gur", 147, 0},       {"ucsb_to_gur", 149, 5},      {"billi_to_gur", 160, 5},
    {"prabhki_to_gur", 149, 5},     {"trail_to_gur", 7, 0},
    {"punjabi01_to_gur", 101, 0},   {"amrit_lipi2_to_gur", 120, 3}, {"anandpur_sahib_to_gur", 155, 5},
    {"asees_to_gur", 87, 3},        {"ekta_to_gur", 52, 6},         {"guruji_to_gur", 105, 1},
    {"jasmine_to_gur", 109, 1},     {"joy_to_gur", 103, 5},         {"lmp_amrik_to_gur", 109, 6},
    {"lmp_taran_to_gur", 78, 3},    {"merapunjab_to_gur", 60, 4},   {"nargis_to_gur", 111, 2},
    {"prime_ga_to_gur", 106, 1},    {"prime_ja_to_gur", 107, 1},    {"samtol_to_gur", 150, 7},
    {"cppl_to_gur", 83, 3},         {"punjabi_to_gur", 112, 4},     {"chatrik_to_gur", 128, 1},
    {"amrit_to_gur", 75, 0},        {"morvendp_to_gur", 124, 0},    {"pnttamar_to_gur", 103, 0},
    {"gurugranthlipi_to_gur", 95, 3}, {"khalsa_to_gur", 93, 0},     {"adhunik_to_gur", 82, 1},
    {"GurIIGS_to_gur", 82, 1},      {"des_to_gur", 97, 0},
};

// gur_to_samtol has one unit more than its family's list counts: digit one
// and oora written as the font's EK ONKAR glyph.
constexpr Counts kWriters[] = {
    {"gur_to_amrlipi", 179, 10},   {"gur_to_anmollipi", 175, 9}, {"gur_to_gurbaniLipi", 173, 7},
    {"gur_to_samtol", 178, 8 + 1}, {"gur_to_satluj", 144, 8},    {"gur_to_sarovar", 129, 8},
    {"gur_to_jhelum", 129, 8},     {"gur_to_ranjit", 117, 7},    {"gur_to_ravee", 128, 8},
    {"gur_to_baljit", 41, 5},      {"gur_to_amrit", 47, 7},      {"gur_to_morvendr", 41, 7},
    {"gur_to_gur10", 14, 0},       {"gur_to_quilmp", 156, 8},    {"gur_to_amritboli", 173, 8},
    {"gur_to_sriangad", 172, 9},   {"gur_to_amritlipi", 175, 9}, {"gur_to_ucsb", 175, 9},
    {"gur_to_billi", 176, 9},      {"gur_to_prabhki", 175, 10},  {"gur_to_trail", 0, 0},
    {"gur_to_amrit_lipi2", 168, 7}, {"gur_to_anandpur_sahib", 171, 10}, {"gur_to_asees", 113, 7},
    {"gur_to_ekta", 101, 0},        {"gur_to_guruji", 101, 25},     {"gur_to_jasmine", 112, 17},
    {"gur_to_joy", 108, 2},         {"gur_to_lmp_amrik", 166, 1},   {"gur_to_lmp_taran", 91, 12},
    {"gur_to_merapunjab", 94, 5},   {"gur_to_nargis", 109, 2},      {"gur_to_prime_ga", 99, 18},
    {"gur_to_prime_ja", 105, 19},   {"gur_to_punjabi", 169, 6},     {"gur_to_chatrik", 157, 7},
    {"gur_to_morvendp", 116, 7},    {"gur_to_pnttamar", 137, 8},    {"gur_to_gurugranthlipi", 110, 7},
    {"gur_to_adhunik", 120, 5},     {"gur_to_GurIIGS", 137, 8},     {"gur_to_des", 146, 8},
    {"gur_to_cdac", 124, 7},       {"gur_to_kruti", 114, 92},  // 13 entries spell Gurmukhi glyphs Kruti Dev lacks; LA with nukta is LLA
    // Derived from their readers (fonts/tables/gur_to_punjabi01.tbl and the
    // others say how), so fewer entries than the fonts' own writers had.
    {"gur_to_punjabi01", 73, 15},  {"gur_to_cppl", 60, 0},        {"gur_to_khalsa", 86, 2},
};

TEST(ConverterTables, ReadersHaveTheirFamilysCounts) {
  std::set<std::string_view> checked;
  for (const Counts& c : kReaders) {
    SCOPED_TRACE(c.name);
    const ReaderTable* table = find_reader(c.name);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(count_entries(*table), c.entries);
    EXPECT_EQ(count_units(*table), c.units);
    checked.insert(c.name);
  }
  for (const ReaderTable* table : all_readers()) EXPECT_TRUE(checked.count(table->name)) << table->name << " unchecked";
}

TEST(ConverterTables, WritersHaveTheirFamilysCounts) {
  std::set<std::string_view> checked;
  for (const Counts& c : kWriters) {
    SCOPED_TRACE(c.name);
    const WriterTable* table = find_writer(c.name);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(count_entries(*table), c.entries);
    EXPECT_EQ(count_units(*table), c.units);
    checked.insert(c.name);
  }
  for (const WriterTable* table : all_writers()) EXPECT_TRUE(checked.count(table->name)) << table->name << " unchecked";
}

}  // namespace
}  // namespace quilm

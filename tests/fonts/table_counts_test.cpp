// Each converter's count of single-byte entries (bytes that do not map to
// themselves) and of units with an output of their own, against the member
// lists of the converter families: a lost, doubled or mistyped line of a
// table file shows here at once.
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
  for (const ReaderUnit& u : table.units) units += u.precedence ? 0 : 1;
  return units;
}

int count_units(const WriterTable& table) { return static_cast<int>(table.units.size()); }

constexpr Counts kReaders[] = {
    {"amrlipi_to_gur", 145, 5},     {"anmollipi_to_gur", 147, 5}, {"gurbanilipi_to_gur", 134, 4},
    {"satluj_to_gur", 142, 0},      {"sarovar_to_gur", 137, 0},   {"jhelum_to_gur", 136, 0},
    {"ranjit_to_gur", 118, 0},      {"ravee_to_gur", 135, 0},     {"baljit_to_gur", 22, 2},
    {"morvendr_to_gur", 29, 0},     {"gur10_to_gur", 6, 0},       {"quilmp_to_gur", 131, 1},
    {"amritboli_to_gur", 133, 5},   {"sriangad_to_gur", 138, 5},  {"amritlipi_to_gur", 147, 5},
    {"nanak_to_gur", 147, 0},       {"ucsb_to_gur", 147, 5},      {"billi_to_gur", 158, 5},
    {"prabhki_to_gur", 147, 5},     {"trail_to_gur", 7, 0},
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

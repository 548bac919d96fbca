// A small word-frequency table shared by the order, search and cursor tests:
// keys in bytes on both sides of 0x80, equal frequencies to show tie order,
// an ascending and a descending index and a two-field index.
#pragma once

#include <gtest/gtest.h>

#include "tables/sqlite_table.h"
#include "tests/tables/table_maker.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {

inline constexpr char kWordSchema[] =
    "field Word text\n"
    "field Frequency integer\n"
    "field Length integer\n"
    "primary Word\n"
    "index F Frequency\n"
    "index RF Frequency desc\n"
    "index LW Length;Word\n";

// Word, Frequency, Length; in primary order: ga, ka, kha, 80, FF 01.
inline std::vector<Row> word_rows() {
  return {
      {"ka", 30, 2},
      {"kha", 10, 3},
      {"ga", 20, 2},
      {Bytes("\x80"), 10, 1},
      {Bytes("\xFF\x01"), 20, 2},
  };
}

class WordTable : public ::testing::Test {
 protected:
  void SetUp() override {
    make_table(dir / "Words.db", kWordSchema, word_rows());
    ASSERT_TRUE(table.SetTableName((dir / "Words.db").string()));
    ASSERT_TRUE(table.Open());
  }

  TempDir dir;
  SqliteTable table;
};

}  // namespace quilm::test

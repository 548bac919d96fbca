#include "app/settings.h"

#include <gtest/gtest.h>

namespace quilm {
namespace {

// Sixteen lines as the program writes them.
const char kCanonical[] =
    "&1/home/user/letters/ardaas.rtf\r\n"
    "&2/home/user/notes.pbi\r\n"
    "AnmolLipi\r\n"
    "18\r\n"
    "Times New Roman\r\n"
    "11\r\n"
    "-7\r\n"
    "2\r\n"
    "1\r\n"
    "5\r\n"
    "1\r\n"
    "14\r\n"
    "0\r\n"
    "School.dic\r\n"
    "0\r\n"
    "carried text, 16\r\n";

TEST(Settings, CanonicalFileReadsAndWritesBackByteForByte) {
  SettingsRead read = parse_settings(kCanonical);
  ASSERT_TRUE(read.status.ok()) << read.status.message();
  EXPECT_EQ(read.lines_read, kSettingsLines);
  const Settings& s = read.settings;
  EXPECT_EQ(s.recent_file1, "&1/home/user/letters/ardaas.rtf");
  EXPECT_EQ(s.recent_file2, "&2/home/user/notes.pbi");
  EXPECT_EQ(s.punjabi_font, "AnmolLipi");
  EXPECT_EQ(s.punjabi_font_size, 18);
  EXPECT_EQ(s.english_font_size, 11);
  EXPECT_EQ(s.line7, "-7");
  EXPECT_EQ(s.default_save_type, 2);
  EXPECT_EQ(s.view_mode, 1);
  EXPECT_EQ(s.zoom_step, 5);
  EXPECT_TRUE(s.dictionary_double_click);
  EXPECT_EQ(s.layout_choice, 14);
  EXPECT_FALSE(s.legal_combination_check);
  EXPECT_EQ(s.additional_dictionary, "School.dic");
  EXPECT_FALSE(s.onscreen_keyboard);
  EXPECT_EQ(s.line16, "carried text, 16");
  EXPECT_EQ(format_settings(s), kCanonical);
}

TEST(Settings, TextLinesKeepEveryByte) {
  // Font names with trailing blanks and 8-bit bytes must come back unchanged.
  std::string file = kCanonical;
  file.replace(file.find("AnmolLipi"), 9, "GurmukhiLys 020 ");
  file.replace(file.find("carried"), 7, "\xE9\x93\xA0");
  SettingsRead read = parse_settings(file);
  ASSERT_TRUE(read.status.ok());
  EXPECT_EQ(read.settings.punjabi_font, "GurmukhiLys 020 ");
  EXPECT_EQ(format_settings(read.settings), file);
}

TEST(Settings, NumberAndFlagLinesAreReadAsTheProgramAlwaysHas) {
  struct Case {
    const char* label;
    int line;  // 1-based
    const char* text;
    int Settings::*number;
    bool Settings::*flag;
    int expected;
  };
  const Case cases[] = {
      {"text after a number is skipped", 4, "20 points", &Settings::punjabi_font_size, nullptr, 20},
      {"leading blanks allowed", 10, "   7", &Settings::zoom_step, nullptr, 7},
      {"negative numbers", 12, "-1", &Settings::layout_choice, nullptr, -1},
      {"line 11 any non-zero is true", 11, "5", nullptr, &Settings::dictionary_double_click, 1},
      {"line 13 any non-zero is true", 13, "-2", nullptr, &Settings::legal_combination_check, 1},
      {"line 13 zero is false", 13, "0", nullptr, &Settings::legal_combination_check, 0},
      {"line 15 only 1 is true", 15, "2", nullptr, &Settings::onscreen_keyboard, 0},
      {"line 15 value 1", 15, "1", nullptr, &Settings::onscreen_keyboard, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::string file;
    std::string canonical = kCanonical;
    std::size_t pos = 0;
    for (int line = 1; line <= kSettingsLines; ++line) {
      std::size_t end = canonical.find("\r\n", pos);
      file += line == c.line ? std::string(c.text) : canonical.substr(pos, end - pos);
      file += "\r\n";
      pos = end + 2;
    }
    SettingsRead read = parse_settings(file);
    ASSERT_TRUE(read.status.ok()) << read.status.message();
    if (c.number) {
      EXPECT_EQ(read.settings.*c.number, c.expected);
    }
    if (c.flag) {
      EXPECT_EQ(read.settings.*c.flag, c.expected != 0);
    }
  }
}

TEST(Settings, FlagsAreWrittenAsOneOrZero) {
  std::string file = kCanonical;
  file.replace(file.find("\r\n1\r\n14"), 5, "\r\n9\r\n");  // line 11 = 9
  SettingsRead read = parse_settings(file);
  ASSERT_TRUE(read.status.ok());
  const Bytes written = format_settings(read.settings);
  EXPECT_NE(written.find("\r\n1\r\n14\r\n"), std::string::npos);
}

TEST(Settings, LineWithoutANumberIsReportedWithItsLineNumber) {
  struct Case {
    const char* label;
    std::string file;
    int bad_line;
  };
  std::string not_a_number = kCanonical;
  not_a_number.replace(not_a_number.find("\r\n2\r\n1\r\n5"), 5, "\r\nrtf\r\n");  // line 8
  std::string empty_number = kCanonical;
  empty_number.replace(empty_number.find("18\r\n"), 2, "");  // line 4
  const Case cases[] = {
      {"word in line 8", not_a_number, 8},
      {"empty line 4", empty_number, 4},
      {"file cut after line 12", std::string(kCanonical).substr(0, std::string(kCanonical).find("0\r\nSchool")), 13},
      {"empty file", "", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    SettingsRead read = parse_settings(c.file);
    EXPECT_FALSE(read.status.ok());
    EXPECT_EQ(read.bad_line, c.bad_line);
    EXPECT_EQ(read.lines_read, c.bad_line - 1);
    EXPECT_NE(read.status.message().find("line " + std::to_string(c.bad_line)), std::string::npos);
  }
}

TEST(Settings, LineEndsOtherThanCrLfAreAccepted) {
  std::string lf = kCanonical;
  for (std::size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.replace(p, 2, "\n");
  SettingsRead read = parse_settings(lf);
  ASSERT_TRUE(read.status.ok());
  EXPECT_EQ(format_settings(read.settings), kCanonical);
}

TEST(ZoomTable, StepsAndPercentages) {
  const std::pair<int, int> table[] = {{0, 25}, {1, 50}, {2, 75}, {3, 100}, {4, 125},
                                       {5, 150}, {6, 200}, {7, 250}, {8, 300}, {9, 400}};
  for (auto [step, percent] : table) {
    SCOPED_TRACE(step);
    EXPECT_EQ(zoom_percent(step), percent);
    EXPECT_EQ(zoom_step_for(percent), step);
  }
  EXPECT_FALSE(zoom_percent(-1));
  EXPECT_FALSE(zoom_percent(10));
  EXPECT_FALSE(zoom_step_for(90));
}

}  // namespace
}  // namespace quilm

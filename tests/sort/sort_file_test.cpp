// Lines in Gurmukhi order: line breaks of every kind, the last line without
// one, the original bytes written back, and the file written safely.
#include <string>

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "fonts/conversion.h"
#include "sort/collation_order.h"
#include "sort/sort_file.h"
#include "sort/text_lines.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

class SortFileTest : public ::testing::Test {
 protected:
  ConversionContext context_;
  FontConverter converter_{context_};
  Bytes sorted(BytesView text, CollationOrder how = {}, int font = 9) {
    return sort_text_lines(text, font, how, converter_);
  }
};

TEST(TextLines, EveryKindOfLineBreak) {
  const std::vector<TextLine> lines = split_lines("a\nb\r\nc\rd");
  ASSERT_EQ(lines.size(), 4u);
  const char* texts[] = {"a", "b", "c", "d"};
  const char* breaks[] = {"\n", "\r\n", "\r", ""};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(lines[i].text, texts[i]);
    EXPECT_EQ(lines[i].line_break, breaks[i]);
  }
  EXPECT_TRUE(split_lines("").empty());
  EXPECT_EQ(split_lines("a\n\n").size(), 2u);
  EXPECT_EQ(first_line_break(split_lines("a\r\nb")), "\r\n");
  EXPECT_EQ(first_line_break(split_lines("a")), "\n");
}

TEST_F(SortFileTest, LastLineWithoutBreakIsNotJoinedToTheNext) {
  EXPECT_EQ(sorted("k\r\ne"), "e\r\nk\r\n");  // ਕਾ (k = kanna alone sorts after ਕ)
  EXPECT_EQ(sorted("ek\ne"), "e\nek\n");
}

TEST_F(SortFileTest, LinuxLinesAreLines) {
  EXPECT_EQ(sorted("ek\ne\nJ\n"), "J\ne\nek\n");  // ੲ, ਕ, ਕਾ
}

TEST_F(SortFileTest, DescendingAndUnique) {
  EXPECT_EQ(sorted("e\nek\ne\n", {.descending = true}), "ek\ne\ne\n");
  EXPECT_EQ(sorted("e\nek\ne\n", {.unique = true}), "e\nek\n");
}

TEST_F(SortFileTest, LinesAreWrittenAsTheyStoodInTheirFont) {
  // AnmolLipi (index 2): the bytes go out unchanged, whatever the pivot form.
  const Bytes text = "\x9C\x6B\nfe\n";
  const Bytes out = sorted(text, {}, 2);
  EXPECT_EQ(out.size(), text.size());
  EXPECT_NE(out.find("\x9C\x6B\n"), Bytes::npos);
  EXPECT_NE(out.find("fe\n"), Bytes::npos);
}

TEST_F(SortFileTest, SortedFileDoesNotReplaceItsSourceByDefault) {
  test::TempDir dir;
  const auto source = dir.path() / "words.txt";
  ASSERT_TRUE(write_file_atomically(source, "ek\ne\n").ok());
  const auto target = default_sort_target(source);
  EXPECT_EQ(target.filename(), "words-sorted.txt");
  ASSERT_TRUE(sort_file({source, target, 9, false, {}}, converter_).ok());
  EXPECT_EQ(*read_file(source), "ek\ne\n");
  EXPECT_EQ(*read_file(target), "e\nek\n");
}

TEST_F(SortFileTest, UnreadableSourceIsReportedAndNothingWritten) {
  test::TempDir dir;
  const Status status = sort_file({dir.path() / "none.txt", dir.path() / "out.txt", 9, false, {}}, converter_);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("none.txt"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "out.txt"));
}

}  // namespace
}  // namespace quilm

// The tables of formats by extension and by dialog filter, the recent-file
// rule and the page values.
#include <gtest/gtest.h>

#include "app/document/file_formats.h"
#include "app/document/page_values.h"
#include "app/document/recent_files.h"
#include "editors/memory_editor.h"

namespace quilm {
namespace {

TEST(FileFormats, FilesOpenInTheFormatOfTheirExtension) {
  struct Case {
    const char* path;
    int filter;
    FormatCode expected;
  };
  const Case cases[] = {
      {"a.doc", 1, FormatCode::Word},       {"a.DOC", 0, FormatCode::Word},
      {"a.txt", 2, FormatCode::PlainText},  {"a.txt", 3, FormatCode::Unicode},
      {"a.htm", 3, FormatCode::Html},       {"a.Html", 0, FormatCode::Html},
      {"a.rtf", 4, FormatCode::Rtf},        {"a.pbi", 5, FormatCode::Pbi},
      {"a.xml", 6, FormatCode::Xml},        {"a.css", 6, FormatCode::Css},
      {"a.pdf", 0, FormatCode::Pdf},        {"a.aci", 6, FormatCode::PlainText},
      {"notes", 6, FormatCode::PlainText},  {"a.tar.gz", 6, FormatCode::PlainText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.path) + " with filter " + std::to_string(c.filter));
    EXPECT_EQ(format_for_opening(c.path, c.filter), c.expected);
  }
}

TEST(FileFormats, SaveAsForcesTheExtensionOfTheChosenFilter) {
  struct Case {
    int filter;
    const char* chosen;
    const char* written;
    FormatCode format;
  };
  const Case cases[] = {
      {1, "letter", "letter.doc", FormatCode::Word},
      {1, "letter.DOC", "letter.DOC", FormatCode::Word},
      {2, "letter.doc", "letter.txt", FormatCode::PlainText},
      {3, "page.html", "page.html", FormatCode::Html},
      {3, "page", "page.htm", FormatCode::Html},
      {4, "a.b.rtf", "a.b.rtf", FormatCode::Rtf},
      {5, "mine.txt", "mine.pbi", FormatCode::Pbi},
      {6, "anything", "anything.xml", FormatCode::Xml},  // "All files (*.*)" writes XML
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    const auto filter = save_as_filter(c.filter);
    ASSERT_TRUE(filter);
    EXPECT_EQ(filter->format, c.format);
    EXPECT_EQ(with_forced_extension(c.chosen, filter->extension).string(), c.written);
  }
  EXPECT_FALSE(save_as_filter(0));
  EXPECT_FALSE(save_as_filter(7));
}

TEST(RecentFiles, ANewFileTakesTheFirstPlaceAndTheFirstMovesDown) {
  Settings s;
  EXPECT_TRUE(remember_recent_file(s, "a.rtf", "a.rtf"));
  EXPECT_EQ(s.recent_file1, "&1a.rtf");
  EXPECT_EQ(s.recent_file2, "&2");
  EXPECT_TRUE(remember_recent_file(s, "b.rtf", "b.rtf"));
  EXPECT_EQ(s.recent_file1, "&1b.rtf");
  EXPECT_EQ(s.recent_file2, "&2a.rtf");
  // Either of the two again changes nothing.
  EXPECT_FALSE(remember_recent_file(s, "a.rtf", "a.rtf"));
  EXPECT_FALSE(remember_recent_file(s, "b.rtf", "b.rtf"));
  EXPECT_EQ(s.recent_file1, "&1b.rtf");
  EXPECT_EQ(s.recent_file2, "&2a.rtf");
  // Without a document name nothing is remembered.
  EXPECT_FALSE(remember_recent_file(s, "", "c.rtf"));
  EXPECT_EQ(recent_path("&1"), "");
  EXPECT_EQ(recent_path("&2c:/x.doc"), "c:/x.doc");
  // The menu shows the number, a space and the path as it is.
  EXPECT_EQ(recent_menu_text("&1"), "");
  EXPECT_EQ(recent_menu_text("&2/docs/a&b.rtf"), "&2 /docs/a&&b.rtf");
}

TEST(PageValues, AreStoredBeforeSavingAndOnlyValuesAboveZeroApply) {
  MemoryEditor e;
  const Editor::PageLayout letter{12240, 15840, 720, 1080, 720, 1080};
  e.SetPage(letter);
  store_page_values(e);
  const int expected[] = {12240, 15840, 720, 1080, 720, 1080};
  for (int i = 0; i < Editor::kDocumentValues; ++i) EXPECT_EQ(e.DocumentValue(i), expected[i]);

  MemoryEditor other;
  other.SetDocumentValue(0, 10000);
  other.SetDocumentValue(4, 2000);
  apply_page_values(other);
  Editor::PageLayout page;
  page.width = 10000;
  page.margin_right = 2000;
  EXPECT_EQ(other.Page(), page);
}

}  // namespace
}  // namespace quilm

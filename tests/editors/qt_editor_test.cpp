// The interface tests on the Qt editor, and what only a window shows: zoom,
// painting, the page view, typing in the window.
#include "editors/ui/qt_editor.h"

#include <QAbstractTextDocumentLayout>
#include <cstdlib>
#include <QTest>
#include <QTextCursor>

#include "tests/editors/editor_contract.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

INSTANTIATE_TEST_SUITE_P(Qt, EditorContract,
                         ::testing::Values(EditorMaker{"QtEditor", [] { return std::make_unique<QtEditor>(); }}),
                         maker_name);

// A hidden QTextEdit leaves its document unlaid.
double laid_out_height(const QtEditor& e) { return e.widget()->document()->size().height(); }

TEST(QtEditor, ZoomEnlargesTheLayoutButKeepsPointSizes) {
  QtEditor e;
  e.widget()->resize(600, 400);
  e.widget()->show();
  type(e, u"line one\rline two", font("Arial", 12));
  e.SetModified(false);
  const std::vector<TextRun> runs = e.Runs();
  const double normal = laid_out_height(e);

  e.SetZoomFactor(200);
  EXPECT_NEAR(laid_out_height(e) / normal, 2.0, 0.3);
  EXPECT_EQ(e.Runs(), runs);
  EXPECT_FALSE(e.Modified());

  e.SetZoomFactor(100);
  EXPECT_DOUBLE_EQ(laid_out_height(e), normal);
}

TEST(QtEditor, GivesTheDocumentBackItsPaintDeviceWhenGone) {
  QTextEdit window;
  {
    QtEditor e(&window);
    e.SetZoomFactor(150);
    EXPECT_NE(window.document()->documentLayout()->paintDevice(), nullptr);
  }
  EXPECT_EQ(window.document()->documentLayout()->paintDevice(), nullptr);
}

TEST(QtEditor, LockWindowUpdateSuspendsPainting) {
  QtEditor e;
  e.SetLockWindowUpdate(true);
  EXPECT_FALSE(e.widget()->updatesEnabled());
  e.SetLockWindowUpdate(false);
  EXPECT_TRUE(e.widget()->updatesEnabled());
}

TEST(QtEditor, PageViewsBreakLinesAtThePrintableWidth) {
  QtEditor e;
  e.SetPage({11906, 16838, 1440, 1440, 1440, 1440});
  e.SetViewMode(1);
  EXPECT_EQ(e.widget()->lineWrapMode(), QTextEdit::FixedPixelWidth);
  const int inches_wide = e.widget()->lineWrapColumnOrWidth();
  EXPECT_NEAR(inches_wide, (11906 - 2880) / 1440.0 * e.widget()->logicalDpiX(), 1.0);
  e.SetZoomFactor(200);
  EXPECT_NEAR(e.widget()->lineWrapColumnOrWidth(), 2 * inches_wide, 1.0);
  e.SetViewMode(0);
  EXPECT_EQ(e.widget()->lineWrapMode(), QTextEdit::WidgetWidth);
}

// The status bar's page: where the layout puts a position, in page heights.
TEST(QtEditor, ThePageOfAPositionFollowsTheLayout) {
  QtEditor e;
  e.SetPage({11906, 16838, 1440, 1440, 1440, 1440});
  e.SetViewMode(1);  // lines break at the printable width, as on paper
  EXPECT_EQ(e.PageOfPosition(0), 1);
  for (int i = 0; i < 400; ++i) e.SetSelText(u"a line of text\r");
  const int end = e.TextLength();
  EXPECT_EQ(e.PageOfPosition(0), 1);
  EXPECT_EQ(e.PageOfPosition(end / 100), 1);
  int previous = 1;
  for (int at = 0; at <= end; at += end / 20) {
    SCOPED_TRACE(at);
    const int page = e.PageOfPosition(at);
    EXPECT_GE(page, previous);
    previous = page;
  }
  const int last = e.PageOfPosition(end);
  EXPECT_GT(last, 1);
  EXPECT_LE(std::abs(last - e.CurrentPages()), 1);
  // Pages twice as high hold twice the lines.
  e.SetPage({11906, 16838 * 2 - 2880, 1440, 1440, 1440, 1440});
  EXPECT_LT(e.PageOfPosition(end), last);
  // Past the end is the last position.
  EXPECT_EQ(e.PageOfPosition(end + 50), e.PageOfPosition(end));
}

TEST(QtEditor, CountsThePagesTheTextFills) {
  QtEditor e;
  EXPECT_EQ(e.CurrentPages(), 1);
  for (int i = 0; i < 200; ++i) e.SetSelText(u"a line of text\r");
  const int a4 = e.CurrentPages();
  EXPECT_GT(a4, 1);
  e.SetPage({11906, 16838 * 2, 1440, 1440, 1440, 1440});
  EXPECT_LT(e.CurrentPages(), a4);
}

TEST(QtEditor, TextTypedInTheWindowTakesTheChosenFormat) {
  QTextEdit window;
  QtEditor e(&window);
  e.SetFontName("Quilm2010");
  e.SetFontSize(18);
  QTest::keyClicks(&window, "kmr");
  EXPECT_EQ(e.Text(), u"kmr");
  EXPECT_EQ(e.Runs(), (std::vector<TextRun>{{u"kmr", font("Quilm2010", 18)}}));
}

TEST(QtEditor, ReadsAFontNamedInTheOldSingleFamilyProperty) {
  QtEditor e;
  QTextCharFormat old;
  old.setProperty(QTextFormat::FontFamily, QString("OldFont"));
  e.widget()->textCursor().insertText("x", old);
  e.Select(0, 1);
  EXPECT_EQ(e.FontName(), "OldFont");
}

}  // namespace
}  // namespace quilm::test

namespace quilm::test {
namespace {

// The number after `key` in `pdf`, the first place it occurs ("/Count 2").
std::string after(const Bytes& pdf, const std::string& key) {
  const std::size_t at = pdf.find(key);
  if (at == Bytes::npos) return "";
  const std::size_t start = at + key.size();
  return pdf.substr(start, pdf.find_first_of("/>\n", start) - start);
}

TEST(QtEditor, PdfIsDrawnByQtOnThePaperOfThePageAndReplacesTheFileWhole) {
  struct Case {
    const char* label;
    Editor::PageLayout page;
    int lines;
    const char* media_box;
    bool one_page;
  };
  const Case cases[] = {
      {"A4, one page", {11906, 16838, 1440, 1440, 1440, 1440}, 3, "[0 0 595.000000 842.000000]", true},
      {"Letter, text for several pages", {12240, 15840, 1440, 1440, 1440, 1440}, 80, "[0 0 612.000000 792.000000]", false},
      {"margins wider than the paper leave an inch", {4000, 4000, 5000, 5000, 5000, 5000}, 1, "[0 0 200.000000 200.000000]", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TempDir dir;
    dir.write("out.pdf", "an older and longer file that the PDF replaces");
    QtEditor e;
    e.SetPage(c.page);
    std::u16string text;
    for (int i = 0; i < c.lines; ++i) text += u"ਸਤਿ ਨਾਮੁ line\r";
    type(e, text, font("Arial", 12));
    ASSERT_TRUE(e.SaveFile(dir / "out.pdf", FormatCode::Pdf));
    const Bytes pdf = dir.read("out.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.rfind("%%EOF"), Bytes::npos);
    EXPECT_EQ(after(pdf, "/MediaBox "), c.media_box);
    // As many pages as the editor counts.
    EXPECT_EQ(e.CurrentPages() == 1, c.one_page);
    EXPECT_EQ(after(pdf, "/Count"), " " + std::to_string(e.CurrentPages()));
  }
}

}  // namespace
}  // namespace quilm::test

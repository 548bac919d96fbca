// Printing to a PDF file without a printer: a Gurmukhi document of several
// pages with numbers in its footer, checked with poppler's tools when they
// are installed (tools/install-deps.sh installs poppler-utils).
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "app/ui/page_printing.h"
#include "editors/ui/qt_editor.h"
#include "editors/ui/qt_pdf.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

// Runs a poppler tool; its standard output, or nothing when it is missing or fails.
std::optional<QString> poppler(const QString& tool, const QStringList& arguments) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Dark pixels of a rendered page: text drawn on white paper.
int dark_pixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

struct GurmukhiDocument {
  QtEditor editor;
  GurmukhiDocument(int paragraphs) {
    QString text;
    for (int i = 0; i < paragraphs; ++i) text += QString::fromUtf8("ਪੰਜਾਬੀ ਭਾਸ਼ਾ ਗੁਰਮੁਖੀ ਲਿਪੀ ਵਿੱਚ ਲਿਖੀ ਜਾਂਦੀ ਹੈ।\n");
    editor.widget()->setPlainText(text);
    editor.widget()->setFont(QFont("Lohit Gurmukhi", 14));
    editor.widget()->document()->setDefaultFont(QFont("Lohit Gurmukhi", 14));
  }
  PrintJob job(const PageNumbering& numbering) const {
    return PrintJob{*editor.widget()->document(), editor.Page(), numbering};
  }
};

TEST(PagePrinting, PrintsEveryPageToPdfWithItsNumber) {
  GurmukhiDocument doc(120);
  const PrintJob job = doc.job({PageNumberPlace::Footer, Alignment::Center, 7});
  const int pages = page_count(job);
  ASSERT_GT(pages, 1) << "the fixture should fill more than one page";
  test::TempDir dir;
  const std::filesystem::path pdf = dir / "printed.pdf";
  ASSERT_TRUE(print_to_pdf(pdf, job));
  ASSERT_EQ(dir.read("printed.pdf").substr(0, 5), "%PDF-");

  const QString file = QString::fromStdString(pdf.string());
  const std::optional<QString> info = poppler("pdfinfo", {file});
  if (!info) GTEST_SKIP() << "poppler-utils are not installed: the PDF was only checked for its header";
  EXPECT_TRUE(info->contains(QRegularExpression(QString("Pages:\\s+%1\\b").arg(pages)))) << info->toStdString();

  const std::optional<QString> last_page =
      poppler("pdftotext", {"-f", QString::number(pages), "-l", QString::number(pages), file, "-"});
  ASSERT_TRUE(last_page);
  EXPECT_TRUE(last_page->contains(QString::number(7 + pages - 1))) << "the last page's number";
  EXPECT_TRUE(last_page->contains(QString::fromUtf8("ਗੁਰਮੁਖੀ"))) << last_page->toStdString();

  ASSERT_TRUE(poppler("pdftoppm", {"-r", "40", "-png", "-f", "1", "-l", "1", file,
                                   QString::fromStdString((dir / "page").string())}));
  const QImage first(QString::fromStdString((dir / "page-1.png").string()));
  ASSERT_FALSE(first.isNull()) << "pdftoppm rendered no page";
  EXPECT_GT(dark_pixels(first), 500) << "the rendered page shows the text";
}

TEST(PagePrinting, NumbersStayOffTheTextAndFollowTheChosenPlace) {
  GurmukhiDocument doc(3);
  test::TempDir dir;
  struct Case {
    PageNumbering numbering;
    bool number_printed;
  };
  const Case cases[] = {
      {{PageNumberPlace::None, Alignment::Center, 41}, false},
      {{PageNumberPlace::Header, Alignment::Left, 41}, true},
      {{PageNumberPlace::Footer, Alignment::Right, 41}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("place " + std::to_string(int(c.numbering.place)));
    const std::filesystem::path pdf = dir / "one.pdf";
    ASSERT_TRUE(print_to_pdf(pdf, doc.job(c.numbering)));
    const std::optional<QString> text = poppler("pdftotext", {QString::fromStdString(pdf.string()), "-"});
    if (!text) GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_EQ(text->contains("41"), c.number_printed);
  }
}

TEST(PagePrinting, PageSetUpValuesComeBackInTwips) {
  const Editor::PageLayout letter{12240, 15840, 1080, 720, 1080, 1440};
  EXPECT_EQ(page_layout_from(qt_page_layout(letter)), letter);
  const QPageLayout landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(36, 18, 36, 72),
                              QPageLayout::Point);
  const Editor::PageLayout turned = page_layout_from(landscape);
  EXPECT_GT(turned.width, turned.height);
  EXPECT_EQ(turned.margin_left, 720);
  EXPECT_EQ(turned.margin_bottom, 1440);
}

TEST(PagePrinting, AFileThatCannotBeWrittenFailsThePrint) {
  GurmukhiDocument doc(2);
  test::TempDir dir;
  EXPECT_FALSE(print_to_pdf(dir / "no such folder" / "out.pdf", doc.job({})));
}

}  // namespace
}  // namespace quilm::ui

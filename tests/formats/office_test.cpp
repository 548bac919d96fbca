// Word documents and PDF through LibreOffice: the message without it always,
// the conversions where it is installed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "formats/document_format.h"
#include "formats/office_conversion.h"
#include "editors/memory_editor.h"
#include "tests/formats/format_samples.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

// PATH without LibreOffice for the life of the object.
class NoOfficeOnPath {
 public:
  NoOfficeOnPath() {
    const char* path = std::getenv("PATH");
    saved_ = path ? path : "";
    ::setenv("PATH", "/nonexistent", 1);
  }
  ~NoOfficeOnPath() { ::setenv("PATH", saved_.c_str(), 1); }

 private:
  std::string saved_;
};

TEST(Office, WithoutLibreOfficeWordAndPdfSayWhatToInstall) {
  NoOfficeOnPath no_office;
  TempDir dir;
  dir.write("letter.doc", "\xD0\xCF\x11\xE0 not really");
  MemoryEditor editor;
  editor.SetSelText(u"kept");
  const Status loaded = editor.LoadFile(dir / "letter.doc", FormatCode::Word);
  ASSERT_FALSE(loaded.ok());
  EXPECT_NE(loaded.message().find("apt install libreoffice-writer-nogui"), std::string::npos) << loaded.message();
  EXPECT_EQ(editor.Text(), u"kept");
  const FormatCode saved[] = {FormatCode::Word, FormatCode::Pdf};
  for (const FormatCode format : saved) {
    SCOPED_TRACE(format_name(format));
    const Status s = editor.SaveFile(dir / "out", format);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.message().find("libreoffice-writer-nogui"), std::string::npos) << s.message();
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
  }
}

TEST(Office, WordDocumentsRoundTripThroughLibreOffice) {
  if (find_office_program().empty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  Document doc = rich_sample();
  // Word keeps no control bytes below 0x20 in text, and no empty last paragraph.
  doc.runs[2].text.erase(2, 1);
  doc.runs.back().text.pop_back();
  doc.paragraphs.pop_back();
  Bytes word;
  const Status written = write_document(FormatCode::Word, doc, word, sample_legacy_fonts());
  ASSERT_TRUE(written.ok()) << written.message();
  EXPECT_EQ(word.substr(0, 4), "\xD0\xCF\x11\xE0");  // an OLE compound file
  Document back;
  const Status read = read_document(FormatCode::Word, word, CharFormat{}, back, sample_legacy_fonts());
  ASSERT_TRUE(read.ok()) << read.message();
  EXPECT_EQ(describe(breaks_as_text_before(back)), describe(doc));
}

TEST(Office, PdfExportWritesAPdfFile) {
  if (find_office_program().empty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  Bytes pdf;
  const Status s = write_document(FormatCode::Pdf, rich_sample(), pdf, sample_legacy_fonts());
  ASSERT_TRUE(s.ok()) << s.message();
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace quilm::test

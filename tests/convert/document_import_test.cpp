// The Unicode and ISCII imports, and ConvertUnicode.
#include <gtest/gtest.h>

#include "convert/iscii_document.h"
#include "convert/unicode_document.h"
#include "encoding/utf16.h"
#include "tests/convert/document_fixture.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

// The runs of the document as (text, font) pairs.
std::vector<std::pair<std::u16string, std::string>> runs(const Editor& editor) {
  std::vector<std::pair<std::u16string, std::string>> out;
  for (const TextRun& r : editor.Runs()) out.emplace_back(r.text, r.format.font_name);
  return out;
}

// A document whose Punjabi font is AnmolLipi, and a folder for its file.
struct ImportFixture {
  test::DocumentFixture doc;
  test::TempDir dir;
  ImportFixture() { doc.context.defaults.punjabi = "AnmolLipi"; }
  Status import(const Bytes& file, TextFileForm* form = nullptr) {
    dir.write("in.txt", file);
    return ImportUnicodeFile(doc.context, dir / "in.txt", form);
  }
};

TEST(UnicodeImportTest, GurmukhiInThePunjabiFontTheRestInTheEnglishFont) {
  test::DocumentFixture doc;
  doc.context.defaults.punjabi = "AnmolLipi";
  test::TempDir dir;
  dir.write("in.txt", to_utf16le(u"ਸਤਿ ok\u2014", true));
  ASSERT_TRUE(ImportUnicodeFile(doc.context, dir / "in.txt"));
  const std::vector<std::pair<std::u16string, std::string>> expected = {
      {u"siq", "AnmolLipi"}, {u" ok\u2014", "Times New Roman"}};
  EXPECT_EQ(runs(doc.editor), expected);
  EXPECT_EQ(doc.editor.SelStart(), 0);
}

TEST(UnicodeImportTest, Utf8WithGurmukhiIsUnicodeAnythingElseEightBitText) {
  struct Case {
    const char* label;
    Bytes file;
    std::vector<std::pair<std::u16string, std::string>> runs;
  };
  const Case cases[] = {
      {"UTF-8 without a byte-order mark, as Linux editors write it", "\xE0\xA8\xB8\xE0\xA8\xA4\xE0\xA8\xBF ok",
       {{u"siq", "AnmolLipi"}, {u" ok", "Times New Roman"}}},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF\xE0\xA8\xB8\xE0\xA8\xA4\xE0\xA8\xBF",
       {{u"siq", "AnmolLipi"}}},
      // Plain ASCII, and legacy glyph bytes that are not UTF-8, are 8-bit text.
      {"ASCII", "plain", {{u"plain", ""}}},
      {"AnmolLipi bytes", "\xC2\xA1 \xE6", {{u"\u00C2\u00A1 \u00E6", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ImportFixture f;
    ASSERT_TRUE(f.import(c.file));
    std::u16string text;
    for (const auto& [run_text, font] : c.runs) text += run_text;
    EXPECT_EQ(f.doc.editor.Text(), text);
    if (!c.runs.front().second.empty()) {
      EXPECT_EQ(runs(f.doc.editor), c.runs);
    }
  }
}

// The import finds how the file was written, and Save writes the document
// back so: a file that is only read and saved stays byte for byte.
TEST(UnicodeImportTest, AnImportedFileIsSavedBackInItsOwnForm) {
  using Encoding = TextFileForm::Encoding;
  struct Case {
    const char* label;
    Bytes file;
    TextFileForm form;
  };
  const Case cases[] = {
      {"UTF-8 with LF, as Linux editors write it", "\xE0\xA8\xB8\xE0\xA8\xA4\xE0\xA8\xBF ok\nline 2\n",
       {Encoding::Utf8, false, false}},
      {"UTF-8 with a mark and CR LF", "\xEF\xBB\xBF\xE0\xA8\xB8\xE0\xA8\xA4\xE0\xA8\xBF\r\nok",
       {Encoding::Utf8, true, true}},
      {"UTF-16 with CR LF, as the program writes it", to_utf16le(u"ਸਤਿ\r\nok\r\n", true),
       kProgramUnicodeForm},
      {"UTF-16 with LF", to_utf16le(u"ਸਤਿ\nok", true), {Encoding::Utf16, true, false}},
      {"8-bit text with LF", "plain\ntext\n", {Encoding::EightBit, false, false}},
      {"8-bit text with CR LF", "plain\r\ntext", {Encoding::EightBit, false, true}},
      {"one line without a line end takes LF", "\xE0\xA8\xB8", {Encoding::Utf8, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ImportFixture f;
    TextFileForm form;
    ASSERT_TRUE(f.import(c.file, &form));
    EXPECT_EQ(form, c.form);
    ASSERT_TRUE(SaveUnicodeFile(f.doc.context, f.dir / "in.txt", {form}));
    EXPECT_EQ(f.dir.read("in.txt"), c.file);
  }
}

TEST(UnicodeImportTest, OddLengthIsRefusedAndTheDocumentStays) {
  test::DocumentFixture doc;
  doc.add(u"keep", "Arial");
  test::TempDir dir;
  dir.write("in.txt", Bytes("\xFF\xFE\x15\x0A\x15", 5));
  const Status status = ImportUnicodeFile(doc.context, dir / "in.txt");
  EXPECT_FALSE(status);
  EXPECT_NE(status.message().find("in.txt"), std::string::npos);
  EXPECT_EQ(doc.editor.Text(), u"keep");
}

TEST(IsciiImportTest, RunsAndSeparators) {
  test::DocumentFixture doc;
  doc.context.defaults.punjabi = "AnmolLipi";
  test::TempDir dir;
  dir.write("in.aci", "\xB3\xDB ab,\xB3\xA2");
  ASSERT_TRUE(ImportISCIIFile(doc.context, dir / "in.aci"));
  const std::vector<std::pair<std::u16string, std::string>> expected = {
      {u"ik ", "AnmolLipi"}, {u"ab,", "Times New Roman"}, {u"kM", "AnmolLipi"}};
  EXPECT_EQ(runs(doc.editor), expected);
}

TEST(ConvertUnicodeTest, UnicodeDocumentIntoAFont) {
  test::DocumentFixture doc;
  doc.add(u"ਸਤਿ ਨਾਮੁ", "Raavi");
  doc.conversion.typing = true;
  ASSERT_TRUE(ConvertUnicode(doc.context, doc.conversion, "AnmolLipi"));
  EXPECT_EQ(doc.editor.Text(), u"siq nwmu");
  EXPECT_TRUE(doc.conversion.typing);  // restored
}

TEST(ConvertUnicodeTest, NotUnicodeChangesNothing) {
  test::DocumentFixture doc;
  doc.add(u"siq", "AnmolLipi");
  EXPECT_FALSE(ConvertUnicode(doc.context, doc.conversion, "AnmolLipi"));
  EXPECT_EQ(doc.editor.Text(), u"siq");
}

}  // namespace
}  // namespace quilm

// "Convert Font" on files: load by extension; files that name their fonts
// converted run by run as the document in the editor is; plain text by scan
// detection and conversion of each paragraph with format off.
#include <gtest/gtest.h>

#include "convert/file_font_conversion.h"
#include "convert/file_types.h"
#include "tests/convert/font_document.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

struct FileConversionFixture {
  TempDir dir;
  FontRegistry fonts;
  ConversionContext conversion;
  FontConverter converter{conversion};
  FakePrompter prompter;
  FontFileConversion run{fonts, converter, prompter};

  FontConversionResult convert(const std::string& in, const std::string& out, const std::string& source,
                               const std::string& destination) {
    run.Activate();
    return run.Convert({dir / in, dir / out, source, destination});
  }
};

TEST(FontFileConversion, SameFontWithFormatOffCopiesEveryLine) {
  FileConversionFixture f;
  // hY[ would become hY. if the text were tidied; a CR LF ends each line.
  const Bytes text = hex("68 59 5B 0D 0A 70 49 5C 77 20 5F 0D 0A 41");
  f.dir.write("in.txt", text);
  EXPECT_EQ(f.convert("in.txt", "out.txt", "AnmolLipi", "AnmolLipi"), FontConversionResult::Converted);
  EXPECT_EQ(to_hex(f.dir.read("out.txt")), to_hex(text));
  const std::string told = "4 words converted into AnmolLipi, written to " + (f.dir / "out.txt").string() + ".";
  EXPECT_EQ(f.prompter.messages, std::vector<std::string>{told});
}

TEST(FontFileConversion, AFileThatNamesItsFontsIsConvertedAsTheDocumentInTheEditorIs) {
  // A worksheet: an English heading (kept, bold), Satluj and AnmolLipi words.
  const std::vector<std::pair<std::string, std::string>> pieces = {
      {"43 6C 61 73 73 20 37 20", "Arial"}, {"EA B3 DC C5 EC 20 EA B3 DC C5 EC", "Satluj"}, {"20 70 49 5C 77", "AnmolLipi"}};
  FileConversionFixture f;
  ASSERT_TRUE(write_rtf(f.dir / "in.rtf", pieces));
  ASSERT_EQ(f.convert("in.rtf", "out.rtf", "Automatic Detection", "Quilm2010"), FontConversionResult::Converted);

  FontDocument in_editor;
  for (const auto& [bytes, font] : pieces) in_editor.add(bytes, font);
  in_editor.change_font("Quilm2010");
  EXPECT_EQ(describe_rtf(f.dir / "out.rtf"), in_editor.runs());
  EXPECT_EQ(describe_rtf(f.dir / "out.rtf").substr(0, 33), "Arial: 43 6C 61 73 73 20 37 20 | ");
  const std::string told = "3 words converted into Quilm2010, written to " + (f.dir / "out.rtf").string() + ".";
  EXPECT_EQ(f.prompter.messages, std::vector<std::string>{told});
}

TEST(FontFileConversion, RefusesUnsupportedFontsAndWritesNothing) {
  struct Case {
    const char* label;
    std::string source, destination, message;
  };
  const Case cases[] = {
      {"destination without a writer", "Automatic Detection", "AnmolOutilined", "AnmolOutilined   NOT Supported"},
      {"chosen source without a reader", "PNB-TTAmar", "Satluj", "PNB-TTAmar   NOT Supported"},
      {"detected source without a reader", "Automatic Detection", "Satluj", "GurmukhiLys 040   NOT Supported"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FileConversionFixture f;
    ASSERT_TRUE(write_rtf(f.dir / "in.rtf", {{"68 59 5B", "GurmukhiLys 040"}}));
    EXPECT_EQ(f.convert("in.rtf", "out.rtf", c.source, c.destination), FontConversionResult::Refused);
    EXPECT_EQ(f.prompter.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(std::filesystem::exists(f.dir / "out.rtf"));
  }
}

TEST(FontFileConversion, ReplacingTheSourceFileIsAskedFirst) {
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    SCOPED_TRACE(answer == Answer::Yes ? "replace" : "keep");
    FileConversionFixture f;
    f.dir.write("in.txt", hex("68 59 5B"));
    f.prompter.answers = {answer};
    const FontConversionResult result = f.convert("in.txt", "in.txt", "AnmolLipi", "Satluj");
    EXPECT_EQ(f.prompter.questions.size(), 1u);
    EXPECT_EQ(result, answer == Answer::Yes ? FontConversionResult::Converted : FontConversionResult::Refused);
    EXPECT_EQ(to_hex(f.dir.read("in.txt")) == "68 59 5B", answer == Answer::No);
  }
}

TEST(FontFileConversion, MissingSourceIsAnErrorAndWritesNothing) {
  FileConversionFixture f;
  EXPECT_EQ(f.convert("none.txt", "out.txt", "AnmolLipi", "Satluj"), FontConversionResult::Refused);
  EXPECT_EQ(f.prompter.errors.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(f.dir / "out.txt"));
}

TEST(FontFileConversion, FileTypeFollowsTheBrowsedFiles) {
  FileConversionFixture f;
  f.dir.write("in.txt", hex("68 59 5B"));
  f.run.Activate();
  EXPECT_EQ(f.run.file_type(), -1);
  EXPECT_FALSE(f.run.loaded());
  ASSERT_TRUE(f.run.LoadSource(f.dir / "in.txt"));
  EXPECT_EQ(f.run.file_type(), 1);
  f.run.ChooseDestination(f.dir / "out.RTF");
  EXPECT_EQ(f.run.file_type(), 5);
  f.run.ChooseDestination(f.dir / "out.xyz");  // an unknown extension leaves it
  EXPECT_EQ(f.run.file_type(), 5);
  f.run.Activate();
  EXPECT_EQ(f.run.file_type(), -1);
}

TEST(FontFileTypes, FormatsByExtension) {
  struct Case {
    const char* path;
    FormatCode source;       // loading
    FormatCode destination;  // saving, when the source was loaded as RTF
  };
  const Case cases[] = {
      {"a.pbi", FormatCode::Pbi, FormatCode::Pbi},          {"a.TXT", FormatCode::PlainText, FormatCode::PlainText},
      {"a.aci", FormatCode::PlainText, FormatCode::PlainText}, {"a.htm", FormatCode::Html, FormatCode::Html},
      {"a.Html", FormatCode::Html, FormatCode::Html},       {"a.doc", FormatCode::Word, FormatCode::Word},
      {"a.rtf", FormatCode::Rtf, FormatCode::Rtf},          {"a.gur", FormatCode::PlainText, FormatCode::Rtf},
      {"noextension", FormatCode::PlainText, FormatCode::Rtf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(source_file_format(c.path), c.source);
    EXPECT_EQ(destination_file_format(c.path, FormatCode::Rtf), c.destination);
  }
}

TEST(FontFileConversion, SourceListLeavesOutFontsItCannotOffer) {
  const FontRegistry fonts;
  const std::vector<std::string> names = file_conversion_source_fonts(fonts);
  for (const char* absent : {"Morvend_R", "Punjabi Typewriter", "Punjabi Typewriter Engraved", "Punjabi Typewriter Old"}) {
    SCOPED_TRACE(absent);
    EXPECT_EQ(std::count(names.begin(), names.end(), absent), 0);
  }
  for (const char* present : {"Automatic Detection", "Morvend_P", "Satluj", "PNB-TTAmar"}) {
    SCOPED_TRACE(present);
    EXPECT_EQ(std::count(names.begin(), names.end(), present), 1);
  }
}

}  // namespace
}  // namespace quilm::test

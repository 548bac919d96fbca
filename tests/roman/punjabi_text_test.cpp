// "Transliterate Roman to Gurmukhi" on a document: what goes into the
// "Punjabi Text" window's editor, and its "Save".
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editors/memory_editor.h"
#include "encoding/pivot_bytes.h"
#include "fonts/conversion.h"
#include "fonts/font_index.h"
#include "roman/punjabi_text.h"
#include "tests/roman/roman_fixture.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

class PunjabiText : public ::testing::Test {
 protected:
  PunjabiText() {
    for (const auto& [roman, gurmukhi] : {std::pair{"oh", "ਉਹ"}, {"kal", "ਕੱਲ"}, {"aaya", "ਆਇਆ"}})
      data_.dictionaries.punjabi.add(roman, pivot(gurmukhi));
    for (const auto& [letter, name] : {std::pair{"u", "ਯੂ"}, {"s", "ਐਸ"}, {"a", "ਏ"}})
      data_.abbreviations.add(letter, pivot(name));
    for (Editor* e : {static_cast<Editor*>(&source_), static_cast<Editor*>(&output_)})
      e->SetLegacyFonts([this](const std::string& name) { return fonts_.check_font_punjabi(name); });
  }

  void type(const std::u16string& text, const std::string& font = "Arial") {
    source_.SetFontName(font);
    source_.SetSelText(text);
  }
  bool run() { return transliterate_roman_document(source_, output_, {data_, fonts_, prompter_}); }

  // The Quilm glyphs of a Gurmukhi word, as the output editor holds them.
  std::u16string quilm(BytesView pivot_word) {
    const Bytes bytes = FontConverter(conversion_).conversion(pivot_word, font_index::kPivot, font_index::kQuilm, true);
    return std::u16string(bytes.begin(), bytes.end());
  }
  std::u16string q(std::string_view gurmukhi) { return quilm(pivot(gurmukhi)); }
  std::u16string glyph(pivot::Byte b) { return quilm(Bytes(1, static_cast<char>(b))); }

  RomanData data_;
  FontRegistry fonts_;
  ConversionContext conversion_;
  FakePrompter prompter_;
  MemoryEditor source_, output_;
};

TEST_F(PunjabiText, WordsBecomeQuilmGlyphsAndSeparatorsStayAsTheyAre) {
  type(u"oh,  kal\raaya. ");
  ASSERT_TRUE(run());
  EXPECT_EQ(output_.Text(), q("ਉਹ") + u",  " + q("ਕੱਲ") + u"\r" + q("ਆਇਆ") + glyph(pivot::kDanda) + u" ");
  for (const TextRun& r : output_.Runs()) EXPECT_EQ(r.format.font_name, "Quilm2010");
  EXPECT_EQ(prompter_.progress_ends, 1);
  EXPECT_EQ(prompter_.captions, (std::vector<std::string>{kRomanToGurmukhiCaption, ""}));
  EXPECT_EQ(output_.SelStart(), 0);
}

TEST_F(PunjabiText, OnlyTheSelectionIsTransliterated) {
  type(u"oh kal aaya");
  source_.Select(3, 3);
  ASSERT_TRUE(run());
  EXPECT_EQ(output_.Text(), q("ਕੱਲ"));
}

TEST_F(PunjabiText, AnAbbreviationIsSpelledAndItsFullStopIsAFullStop) {
  data_.abbreviations.add("dr", pivot("ਡਾ"));
  type(u"USA. Dr. oh. USA");
  ASSERT_TRUE(run());
  const std::u16string stop = glyph(pivot::kFullStop);
  // The spelled letters end with a full stop already: the text's own is not
  // written a second time.
  EXPECT_EQ(output_.Text(), q("ਯੂ") + stop + q("ਐਸ") + stop + q("ਏ") + stop + u" " + q("ਡਾ") + stop + u" " +
                                q("ਉਹ") + glyph(pivot::kDanda) + u" " + q("ਯੂ") + stop + q("ਐਸ") + stop + q("ਏ") +
                                stop);
}

TEST_F(PunjabiText, CharactersBeyondAsciiKeepTheSourceFont) {
  type(u"oh \u2014 kal");
  ASSERT_TRUE(run());
  const std::vector<TextRun> runs = output_.Runs();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].text, q("ਉਹ") + u" ");
  EXPECT_EQ(runs[1].text, u"\u2014");
  EXPECT_EQ(runs[1].format.font_name, "Arial");
  EXPECT_EQ(runs[2].text, u" " + q("ਕੱਲ"));
}

TEST_F(PunjabiText, TextInAGurmukhiFontIsRefusedAndTheOutputEmptied) {
  output_.SetSelText(u"old");
  type(u"kal", "AnmolLipi");
  EXPECT_FALSE(run());
  EXPECT_EQ(output_.Text(), u"");
  EXPECT_EQ(prompter_.messages, (std::vector<std::string>{kOnlyRomanText}));
  EXPECT_EQ(prompter_.progress_max, -1);  // nothing was started
}

TEST_F(PunjabiText, SaveGivesTheChosenFormatItsExtensionAndAsksBeforeReplacing) {
  TempDir dir;
  type(u"oh kal");
  ASSERT_TRUE(run());
  FakeFileDialogs dialogs;
  dialogs.choose(dir.path() / "out.doc", 2);  // "Text files"
  ASSERT_TRUE(SavePunjabiText(output_, dialogs, prompter_));
  EXPECT_EQ(dialogs.saved.at(0).proposed_name, "NoName.Doc");
  EXPECT_EQ(dialogs.saved.at(0).title, "Save File");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "out.doc"));
  ASSERT_TRUE(std::filesystem::exists(dir.path() / "out.txt"));
  std::ifstream in(dir.path() / "out.txt", std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(std::u16string(saved.begin(), saved.end()), q("ਉਹ") + u" " + q("ਕੱਲ"));

  prompter_.answers.push_back(Answer::No);
  dialogs.choose(dir.path() / "out", 2);  // the same file once it has its extension
  EXPECT_FALSE(SavePunjabiText(output_, dialogs, prompter_));
  EXPECT_EQ(prompter_.questions, (std::vector<std::string>{"Do you want to replace the file?"}));
}

TEST_F(PunjabiText, WorkStopsWhenTheProgressSaysSoAndGivesNothing) {
  std::u16string text;
  while (text.size() < 20'000) text += u"oh kal aaya ";
  long last = 0;
  int asked = 0;
  const auto stop_at_second = [&](long done) {
    EXPECT_GE(done, last);
    last = done;
    return ++asked < 2;
  };
  EXPECT_FALSE(punjabi_text_runs(data_, {text, "Arial"}, true, stop_at_second).has_value());
  EXPECT_EQ(asked, 2);
  EXPECT_LT(last, static_cast<long>(text.size()));
  const auto whole = punjabi_text_runs(data_, {text, "Arial"}, true, [](long) { return true; });
  ASSERT_TRUE(whole.has_value());
  EXPECT_EQ(whole->size(), 1u);
}

}  // namespace
}  // namespace quilm::test

// The transliteration windows offscreen: the "Romanised Punjabi Text" window
// fills itself when shown, the samples window shows captions and says when a
// recording is missing, the "Transliterate" dialog rewrites the document.
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/convert/document_fixture.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/temp_dir.h"
#include "translit/ui/roman_window.h"
#include "translit/ui/samples_window.h"
#include "translit/ui/transliterate_dialog.h"

namespace quilm::ui {
namespace {

struct Windows : ::testing::Test, test::DocumentFixture {
  test::FakeFileDialogs dialogs;
  test::TempDir data;
};

TEST_F(Windows, TheRomanWindowTransliteratesWhenShownAndOnItsButton) {
  add(u"Hi ", "Arial");
  add(u"pMjwb", "AnmolLipi");
  RomanWindow window({fonts, conversion, editor, prompter, dialogs, data.path()});
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(window.windowTitle(), "Romanised Punjabi Text");
  EXPECT_EQ(window.text_box()->toPlainText(), "Hi panjaab");
  add(u" kw", "AnmolLipi");
  window.findChild<QPushButton*>("TransliterateButton")->click();
  EXPECT_EQ(window.text_box()->toPlainText(), "Hi panjaab kaa");
  EXPECT_TRUE(prompter.silent()) << "a missing GurRoman.db leaves the rules to spell every word";
}

TEST_F(Windows, SaveWritesAnRtfFileAndAsksBeforeReplacingOne) {
  add(u"pMjwb", "AnmolLipi");
  RomanWindow window({fonts, conversion, editor, prompter, dialogs, data.path()});
  window.show();
  QApplication::processEvents();
  dialogs.choose(data / "roman.rtf");
  window.SaveClick();
  ASSERT_EQ(dialogs.saved.size(), 1u);
  EXPECT_EQ(dialogs.saved[0].proposed_name, "UnNamed_U.Rtf");
  EXPECT_NE(data.read("roman.rtf").find("panjaab"), std::string::npos);
  EXPECT_TRUE(prompter.questions.empty());

  dialogs.choose(data / "roman.rtf");
  prompter.answers.push_back(Answer::No);
  window.text_box()->setPlainText("changed");
  window.SaveClick();
  EXPECT_EQ(prompter.questions, std::vector<std::string>{"Do you want to replace the file?"});
  EXPECT_NE(data.read("roman.rtf").find("panjaab"), std::string::npos) << "No keeps the file";
}

TEST_F(Windows, ASampleShowsItsCaptionAndSaysWhenItsRecordingIsMissing) {
  SamplesWindow window(data.path());
  EXPECT_EQ(window.windowTitle(), "Gurmukhi to Roman Transliteration Samples");
  const Sample& word = transliteration_samples()[42];
  window.SampleClick(word);
  EXPECT_EQ(window.roman_label()->text(), "aayaa");
  EXPECT_TRUE(window.sound_status()->text().contains("w1.wav")) << window.sound_status()->text().toStdString();
  EXPECT_TRUE(window.sound_status()->text().contains("missing"));
}

// With the recording there, the window plays it, or says that this machine
// has no sound output; the click returns either way.
TEST_F(Windows, ASampleWithItsRecordingIsPlayedOrTheMissingOutputIsSaid) {
  std::filesystem::create_directories(data / "Sound");
  std::filesystem::copy_file(std::filesystem::path(QUILM_READY_DATA_DIR) / "Sound" / "w1.wav", data / "Sound" / "w1.wav");
  SamplesWindow window(data.path());
  window.SampleClick(transliteration_samples()[42]);
  QApplication::processEvents();
  const QString status = window.sound_status()->text();
  EXPECT_FALSE(status.contains("missing")) << status.toStdString();
}

TEST_F(Windows, TheTransliterateDialogRewritesTheDocumentInKrutiDev) {
  add(u"pMjwb", "AnmolLipi");
  int last_word_font_index = 0;
  FontConversionContext context{fonts, conversion, [] { return DefaultFonts{}; }, last_word_font_index};
  TransliterateDialog dialog(context, editor, prompter, dialogs);
  dialog.show();
  QApplication::processEvents();
  EXPECT_EQ(dialog.windowTitle(), "Transliterate");
  EXPECT_EQ(dialog.outputs()->checkedId(), 1) << "Unicode is chosen first";
  dialog.outputs()->button(2)->setChecked(true);
  dialog.Button1Click();
  ASSERT_EQ(editor.Runs().size(), 1u);
  EXPECT_EQ(editor.Runs()[0].format.font_name, "Kruti Dev 010");
  EXPECT_EQ(editor.Runs()[0].text, u"iatkc");
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace quilm::ui

// The dictionary windows offscreen over the in-memory editor, on small
// tables filled from sources in the shipped form: the word taken from the
// selection, the lookup through a root, the meaning chosen and put in once
// or at every whole-word occurrence.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

#include "common/file_io.h"
#include "dict/dictionary_sources.h"
#include "dict/ui/dictionary_window.h"
#include "tables/schema_text.h"
#include "tests/convert/document_fixture.h"
#include "tests/dict/shipped_table.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

namespace fs = std::filesystem;

struct DictionaryWindow : ::testing::Test, test::DocumentFixture {
  DictionaryWindow() {
    fill("pbi_to_eng.DBF", "ਕਰ\tv.\tdo\nਮੁੰਡਾ\tn.\tboy, lad; son\n");
    fill("wordroot1.DB", "ਮੁੰਡੇ\tਮੁੰਡਾ\n");
    fill("EngPbi.DBF", "Boy\tn.\tਮੁੰਡਾ, ਲੜਕਾ\n");
  }
  void fill(const std::string& table, BytesView source) {
    ASSERT_TRUE(test::build_shipped_table(table, source, data.path(), converter));
  }
  // The window over `text` (in Arial) with `length` characters selected
  // from the start, shown; meanings go in in `meaning_font`.
  std::unique_ptr<TDictionaryWindow> shown(DictionaryDirection direction, const std::u16string& text, int length,
                                           const char* meaning_font = "Arial") {
    add(text, "Arial");
    editor.SetSelStart(0);
    editor.SetSelLength(length);
    auto window = std::make_unique<TDictionaryWindow>(direction, editor, fonts, conversion, prompter, data.path(),
                                                      MeaningText{u"", meaning_font, 14});
    window->ShowDictionary();
    return window;
  }
  test::TempDir data;
};

TEST_F(DictionaryWindow, APunjabiWordIsTakenFromTheSelectionAndFoundThroughItsRoot) {
  const auto shown_window = shown(DictionaryDirection::PunjabiEnglish, u", ਮੁੰਡੇ ਹਨ", 7);
  TDictionaryWindow& window = *shown_window;
  EXPECT_EQ(window.windowTitle(), "Punjabi English Dictionary");
  EXPECT_EQ(window.input_box()->text().toStdU16String(), u"ਮੁੰਡੇ");
  EXPECT_EQ(editor.SelStart(), 2) << "the selection moves onto the word";
  EXPECT_EQ(editor.SelLength(), 5);
  EXPECT_EQ(window.last_result(), LookupResult::Root);
  EXPECT_EQ(window.meanings_memo()->toPlainText(), "boy, lad; son");
  EXPECT_FALSE(window.replace_button()->isEnabled());

  window.ChooseMeaning(6);  // in "lad"
  ASSERT_TRUE(window.replace_button()->isEnabled());
  window.ReplaceClick();
  EXPECT_EQ(editor.Text(), u", lad ਹਨ");
  EXPECT_FALSE(window.replace_button()->isEnabled());
}

TEST_F(DictionaryWindow, AWordInALegacyFontIsReadThroughItsFont) {
  add(u"ਹਨ ", "Arial");
  add(u" muMfy, ", "AnmolLipi");  // ਮੁੰਡੇ
  editor.SetSelStart(3);
  editor.SetSelLength(7);
  TDictionaryWindow window(DictionaryDirection::PunjabiEnglish, editor, fonts, conversion, prompter, data.path(),
                           MeaningText{u"", "Arial", 14});
  window.ShowDictionary();
  EXPECT_EQ(window.input_box()->text().toStdU16String(), u"ਮੁੰਡੇ");
  EXPECT_EQ(editor.SelStart(), 4) << "the selection moves onto the word";
  EXPECT_EQ(editor.SelLength(), 5);
  EXPECT_EQ(window.last_result(), LookupResult::Root);
}

TEST_F(DictionaryWindow, ReplaceAllAsksAndTakesOnlyWholeWords) {
  const auto window = shown(DictionaryDirection::PunjabiEnglish, u"ਕਰ ਕਰਨਾ ਕਰ", 2);
  window->ChooseMeaning(0);
  prompter.answers = {Answer::Yes};
  window->ReplaceAllClick();
  EXPECT_EQ(prompter.questions.size(), 1u);
  EXPECT_EQ(editor.Text(), u"do ਕਰਨਾ do");
}

TEST_F(DictionaryWindow, AnEnglishWordGetsItsPunjabiInThePunjabiFont) {
  const auto shown_window = shown(DictionaryDirection::EnglishPunjabi, u"the boy", 7, "AnmolLipi");
  TDictionaryWindow& window = *shown_window;
  EXPECT_EQ(window.input_box()->text().toStdU16String(), u"the");
  window.input_box()->setText("BOY");
  EXPECT_EQ(window.last_result(), LookupResult::Found);
  editor.SetSelStart(4);
  editor.SetSelLength(3);
  window.ChooseMeaning(1);
  window.ReplaceClick();
  EXPECT_EQ(editor.Text(), u"the muMfw") << "ਮੁੰਡਾ in AnmolLipi";
  EXPECT_EQ(editor.Runs().back().format.font_name, "AnmolLipi");
}

}  // namespace
}  // namespace quilm::ui

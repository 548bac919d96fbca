// The "Punjabi Text" window offscreen over the in-memory editor and the
// shipped Roman data: showing it writes the document's Roman text in Quilm
// glyphs, "Transliterate" takes the document as it is now, "Cancel" stops a
// long run with the document as it was, a Gurmukhi document is refused, a
// missing data folder is reported, "Add word " asks the main window.
#include <QCoreApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <memory>

#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"
#include "roman/punjabi_text.h"
#include "roman/ui/punjabi_text_window.h"
#include "tests/convert/document_fixture.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

struct PunjabiTextWindow : ::testing::Test, test::DocumentFixture {
  std::unique_ptr<TRomanGurTransliterate> open(const std::filesystem::path& data = QUILM_READY_DATA_DIR) {
    auto window = std::make_unique<TRomanGurTransliterate>(
        PunjabiTextContext{fonts, editor, prompter, dialogs, data});
    window->show();
    wait(*window);
    return window;
  }
  static void wait(const TRomanGurTransliterate& window) {
    while (window.running()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  // The Gurmukhi of the window's editor, read back from its Quilm glyphs.
  std::u16string gurmukhi(const TRomanGurTransliterate& window) {
    const std::u16string glyphs = window.output().Text();
    const Bytes pivot = converter.to_pivot(Bytes(glyphs.begin(), glyphs.end()), font_index::kQuilm);
    return GurToUnicode(pivot);
  }
  test::FakeFileDialogs dialogs;
};

TEST_F(PunjabiTextWindow, ShowingItWritesTheDocumentInGurmukhi) {
  add(u"sat sri akal ji, tusi kiven ho?", "Arial");
  const auto window = open();
  EXPECT_EQ(window->windowTitle(), "Punjabi Text");
  EXPECT_EQ(gurmukhi(*window), u"ਸਤਿ ਸ੍ਰੀ ਅਕਾਲ ਜੀ, ਤੁਸੀਂ ਕਿਵੇਂ ਹੋ?");
  EXPECT_EQ(window->output().FontName(), "Quilm2010");
  EXPECT_EQ(prompter.progress_ends, 1);
  EXPECT_TRUE(prompter.silent());

  editor.Select(0, 3);  // "Transliterate" takes the document as it is now
  window->findChild<QPushButton*>("BitBtn4")->click();
  wait(*window);
  EXPECT_EQ(gurmukhi(*window), u"ਸਤਿ");
}

TEST_F(PunjabiTextWindow, CancelStopsALongRunAndLeavesTheDocumentAsItWas) {
  std::u16string text;
  while (text.size() < 1'000'000) text += u"asi kal pind javange te mela vekhange.\r";
  add(text, "Arial");
  editor.SetModified(false);
  const auto window = std::make_unique<TRomanGurTransliterate>(
      PunjabiTextContext{fonts, editor, prompter, dialogs, QUILM_READY_DATA_DIR});
  QSignalSpy finished(window.get(), &TRomanGurTransliterate::transliterationFinished);
  window->show();
  ASSERT_TRUE(window->running());
  EXPECT_FALSE(window->findChild<QPushButton*>("BitBtn4")->isEnabled());
  window->findChild<QPushButton*>("Cancel")->click();
  wait(*window);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_FALSE(finished.at(0).at(0).toBool());
  EXPECT_EQ(window->output().Text(), u"");
  EXPECT_EQ(editor.Text(), text);
  EXPECT_FALSE(editor.Modified());
  EXPECT_EQ(prompter.progress_ends, 1);
  EXPECT_EQ(prompter.captions.back(), "");
  EXPECT_TRUE(window->findChild<QPushButton*>("BitBtn4")->isEnabled());
}

TEST_F(PunjabiTextWindow, AGurmukhiDocumentIsRefused) {
  add(u"siq", "AnmolLipi");
  const auto window = open();
  EXPECT_EQ(window->output().Text(), u"");
  EXPECT_EQ(prompter.messages, (std::vector<std::string>{kOnlyRomanText}));
}

TEST_F(PunjabiTextWindow, AFolderWithoutTheRomanDictionaryIsReported) {
  test::TempDir empty;
  add(u"sat", "Arial");
  const auto window = open(empty.path());
  EXPECT_EQ(window->output().Text(), u"");
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_NE(prompter.errors[0].find("RomanGur.dbf"), std::string::npos) << prompter.errors[0];
}

TEST_F(PunjabiTextWindow, AddWordAsksTheMainWindow) {
  add(u"sat", "Arial");
  const auto window = open();
  QSignalSpy asked(window.get(), &TRomanGurTransliterate::addWordRequested);
  window->findChild<QPushButton*>("AddWord")->click();
  EXPECT_EQ(asked.count(), 1);
}

}  // namespace
}  // namespace quilm::ui

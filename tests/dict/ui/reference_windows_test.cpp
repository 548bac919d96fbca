// The administrative terms and the prefix and suffix windows offscreen over
// the in-memory editor, on small tables filled from sources in the shipped
// form: the term found as the box changes, stepped with the arrow keys and
// put in with its blanks in the Punjabi font; the affix lists with their
// buttons, an affix that ends no word, and the word pasted in that font.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "dict/dictionary_sources.h"
#include "dict/ui/admin_terms_window.h"
#include "dict/ui/affix_window.h"
#include "tables/schema_text.h"
#include "tests/convert/document_fixture.h"
#include "tests/dict/shipped_table.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

namespace fs = std::filesystem;

struct ReferenceWindows : ::testing::Test, test::DocumentFixture {
  ReferenceWindows() {
    fill("adt", "Collector\tਕੁਲੈਕਟਰ\nDeputy Commissioner\tਡਿਪਟੀ ਕਮਿਸ਼ਨਰ\nTehsildar\tਤਹਿਸੀਲਦਾਰ\n");
    fill("wordlist1a.dbf", "ਕਰਨਾ\nਕਰ\nਪਾਣੀ\nਕਹਾਣੀ\nਰਾਣੀ\nਘਰ\n");
  }
  void fill(const std::string& table, BytesView source) {
    ASSERT_TRUE(test::build_shipped_table(table, source, data.path(), converter));
  }
  MeaningText anmol_lipi() const { return MeaningText{u"", "AnmolLipi", 14}; }
  static QStringList shown(const QListWidget& list) {
    QStringList words;
    for (int row = 0; row < list.count(); ++row) words << list.item(row)->text();
    return words;
  }
  test::TempDir data;
};

TEST_F(ReferenceWindows, TheTermNearestTheBoxIsFoundAndSteppedWithTheArrowKeys) {
  TAdministrativeWindow window(editor, fonts, conversion, prompter, data.path(), anmol_lipi());
  EXPECT_EQ(window.windowTitle(), "Punjabi Administrative Terms");
  window.ShowTerms();
  window.input_box()->setText("dep");
  ASSERT_GE(window.grid()->rowCount(), 2);
  EXPECT_EQ(window.grid()->item(0, 0)->text(), "Deputy Commissioner");
  EXPECT_EQ(window.grid()->item(0, 1)->text().toStdU16String(), u"ਡਿਪਟੀ ਕਮਿ\u0A36ਨਰ") << "ਸ਼ comes back as one letter";
  QTest::keyClick(window.input_box(), Qt::Key_Down);
  EXPECT_EQ(window.grid()->item(0, 0)->text(), "Tehsildar");
  QTest::keyClick(window.input_box(), Qt::Key_Down);
  EXPECT_EQ(window.grid()->item(0, 0)->text(), "Tehsildar") << "the last term stays";
  QTest::keyClick(window.input_box(), Qt::Key_Up);
  EXPECT_EQ(window.grid()->item(0, 0)->text(), "Deputy Commissioner");
  window.input_box()->setText("zz");
  EXPECT_EQ(window.grid()->item(0, 0)->text(), "Tehsildar") << "past every term: the last one";
}

TEST_F(ReferenceWindows, AnInsertedTermHasABlankEitherSideInThePunjabiFont) {
  add(u"to the.", "Arial");
  editor.SetSelStart(6);
  editor.SetSelLength(0);
  TAdministrativeWindow window(editor, fonts, conversion, prompter, data.path(), anmol_lipi());
  window.ShowTerms();
  window.input_box()->setText("collector");
  window.InsertTextClick();
  EXPECT_EQ(editor.Text(), u"to the kulYktr .") << "ਕੁਲੈਕਟਰ in AnmolLipi";
  EXPECT_EQ(editor.Runs()[0].format.font_name, "Arial");
  EXPECT_EQ(editor.Runs()[1].format.font_name, "AnmolLipi");
  EXPECT_TRUE(window.input_box()->text().isEmpty());
}

TEST_F(ReferenceWindows, TypingInTheGridGoesOnTheEndOfTheBox) {
  TAdministrativeWindow window(editor, fonts, conversion, prompter, data.path(), anmol_lipi());
  window.ShowTerms();
  window.input_box()->setText("te");
  QTest::keyClick(window.grid(), Qt::Key_H);
  EXPECT_EQ(window.input_box()->text(), "teh");
}

TEST_F(ReferenceWindows, PrefixAndSuffixListsComeInGurmukhiOrder) {
  TAffixWindow window(editor, fonts, conversion, prompter, data.path(), anmol_lipi());
  window.ShowAffixes();
  EXPECT_FALSE(window.prefix_button()->isEnabled()) << "an empty box lists nothing";
  EXPECT_FALSE(window.paste_button()->isEnabled());
  window.input_box()->setText("ਕ");
  window.DisplayPrefixClick();
  EXPECT_EQ(shown(*window.word_list()), (QStringList{"ਕਹਾਣੀ", "ਕਰ", "ਕਰਨਾ"}));
  EXPECT_TRUE(window.paste_button()->isEnabled());
  window.input_box()->setText("ਾਣੀ");
  EXPECT_EQ(window.word_list()->count(), 0) << "a new text empties the list";
  EXPECT_FALSE(window.paste_button()->isEnabled());
  window.DisplaySuffixClick();
  EXPECT_EQ(shown(*window.word_list()), (QStringList{"ਕਹਾਣੀ", "ਪਾਣੀ", "ਰਾਣੀ"}));
  window.input_box()->setText("ਖ");
  window.DisplaySuffixClick();
  EXPECT_EQ(window.word_list()->count(), 0);
  EXPECT_FALSE(window.paste_button()->isEnabled()) << "no word ends in it";
}

TEST_F(ReferenceWindows, ALegacyFontSelectionIsReadAndTheChosenWordPastedInThePunjabiFont) {
  add(u"Gr ", "AnmolLipi");  // ਘਰ
  editor.SetSelStart(0);
  editor.SetSelLength(2);
  TAffixWindow window(editor, fonts, conversion, prompter, data.path(), anmol_lipi());
  window.ShowAffixes();
  EXPECT_EQ(window.input_box()->text(), "ਘਰ");
  window.input_box()->setText("ਪਾ");
  window.DisplayPrefixClick();
  window.PasteClick();
  EXPECT_EQ(editor.Text(), u"pwxI ") << "ਪਾਣੀ in AnmolLipi";
}

}  // namespace
}  // namespace quilm::ui

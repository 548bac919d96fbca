// The font conversion dialogs offscreen: captions, default choices, the
// "&Convert" button's state, the "Browse..." buttons with scripted file
// dialogs, and the main window's menu that opens them.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <gtest/gtest.h>

#include "editors/memory_editor.h"
#include "app/document/workspace_document.h"
#include "app/ui/main_form.h"
#include "convert/ui/change_font_dialog.h"
#include "convert/ui/convert_font_dialog.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

QString button_text(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QPushButton*>(name);
  return button ? button->text() : QString("(missing %1)").arg(name);
}

TEST(FontConvertDialogs, ChangeFontOpensWithItsDefaultsAndConverts) {
  Workspace ws;
  MemoryEditor editor;
  test::FakePrompter prompter;
  editor.SetFontName("AnmolLipi");
  editor.SetSelText(u"hY[");  // "is" and a danda; the danda differs in Quilm2010
  ChangeFontDialog dialog(workspace_font_conversion(ws), editor, prompter);
  dialog.show();
  QApplication::processEvents();

  EXPECT_EQ(dialog.windowTitle(), "Change Font");
  EXPECT_EQ(dialog.source_list()->currentText(), "Automatic Detection");
  EXPECT_EQ(dialog.destination_list()->currentText(), "Quilm2010");
  EXPECT_GE(dialog.destination_list()->findText("Unicode"), 0);
  EXPECT_LT(dialog.source_list()->findText("Unicode"), 0);
  EXPECT_EQ(button_text(dialog, "ConvertButton"), "&Convert");
  EXPECT_EQ(button_text(dialog, "CancelButton"), "Cancel");

  dialog.findChild<QPushButton*>("ConvertButton")->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(editor.Text(), u"hY.");
  EXPECT_EQ(editor.Runs().front().format.font_name, "Quilm2010");
}

// The digits of a legacy font become Gurmukhi numerals only when asked, and
// the choice is offered only for a Unicode destination.
TEST(FontConvertDialogs, ChangeFontIntoUnicodeWritesGurmukhiNumeralsWhenAsked) {
  struct Case {
    const char* destination;
    bool ticked;
    bool offered;
    const char16_t* text;
  };
  const Case cases[] = {
      {"Unicode", true, true, u"\u0A67\u0A68 \u0A39\u0A48"},  // ੧੨ ਹੈ
      {"Unicode", false, true, u"12 \u0A39\u0A48"},
      {"Quilm2010", true, false, u"12 hY"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.destination) + (c.ticked ? ", ticked" : ""));
    Workspace ws;
    MemoryEditor editor;
    test::FakePrompter prompter;
    editor.SetFontName("AnmolLipi");
    editor.SetSelText(u"12 hY");
    ChangeFontDialog dialog(workspace_font_conversion(ws), editor, prompter);
    dialog.show();
    QApplication::processEvents();
    EXPECT_FALSE(dialog.gurmukhi_digits_box()->isEnabled()) << "not offered for the default destination";
    dialog.destination_list()->setCurrentText(c.destination);
    EXPECT_EQ(dialog.gurmukhi_digits_box()->isEnabled(), c.offered);
    dialog.gurmukhi_digits_box()->setChecked(c.ticked);
    dialog.findChild<QPushButton*>("ConvertButton")->click();
    EXPECT_EQ(editor.Text(), c.text);
  }
}

TEST(FontConvertDialogs, ConvertFontEnablesConvertOnlyForAnExistingSourceAndANamedDestination) {
  Workspace ws;
  test::FakePrompter prompter;
  test::FakeFileDialogs dialogs;
  test::TempDir dir;
  dir.write("in.txt", "hY[");
  ConvertFontDialog dialog(workspace_font_conversion(ws), prompter, dialogs);
  dialog.show();
  QApplication::processEvents();

  EXPECT_EQ(dialog.windowTitle(), "Convert Font");
  EXPECT_EQ(dialog.source_list()->currentText(), "Automatic Detection");
  EXPECT_EQ(dialog.destination_list()->currentText(), "Quilm2010");
  EXPECT_LT(dialog.source_list()->findText("Morvend_R"), 0);
  EXPECT_EQ(button_text(dialog, "SourceBrowse"), "Browse...");
  EXPECT_EQ(button_text(dialog, "DestinationBrowse"), "Browse...");
  EXPECT_EQ(dialog.conversion().file_type(), -1);

  struct Case {
    const char* label;
    QString source, destination;
    bool enabled;
  };
  const QString in = QString::fromStdString((dir / "in.txt").string());
  const Case cases[] = {
      {"nothing named", "", "", false},
      {"no destination", in, "", false},
      {"a source that does not exist", in + "x", "out.txt", false},
      {"a folder as the source", QString::fromStdString(dir.path().string()), "out.txt", false},
      {"both", in, "out.txt", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    dialog.source_file()->setText(c.source);
    dialog.destination_file()->setText(c.destination);
    EXPECT_EQ(dialog.convert_button()->isEnabled(), c.enabled);
    EXPECT_EQ(dialog.convert_button()->text(), "&Convert");
  }
}

// "Browse..." fills the file boxes from the file dialogs; a cancelled dialog,
// or an existing destination the user will not replace, changes nothing.
TEST(FontConvertDialogs, ConvertFontBrowsesForTheSourceAndTheDestination) {
  enum class Browse { Source, Destination };
  struct Case {
    const char* label;
    Browse browse;
    const char* chosen;  // nullptr: the dialog is cancelled
    std::deque<Answer> answers;
    const char* source_box;
    const char* destination_box;
    int file_type;  // -1 until a source is loaded
    std::size_t questions;
  };
  const Case cases[] = {
      {"source", Browse::Source, "in.txt", {}, "in.txt", "in.txt", static_cast<int>(FormatCode::PlainText), 0},
      {"source cancelled", Browse::Source, nullptr, {}, "", "", -1, 0},
      {"new destination", Browse::Destination, "out.rtf", {}, "", "out.rtf", -1, 0},
      {"destination cancelled", Browse::Destination, nullptr, {}, "", "", -1, 0},
      {"existing destination replaced", Browse::Destination, "in.txt", {Answer::Yes}, "", "in.txt", -1, 1},
      {"existing destination kept", Browse::Destination, "in.txt", {Answer::No}, "", "", -1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Workspace ws;
    test::FakePrompter prompter;
    prompter.answers = c.answers;
    test::FakeFileDialogs dialogs;
    test::TempDir dir;
    dir.write("in.txt", "hY[");
    if (c.chosen)
      dialogs.choose(dir / c.chosen);
    else
      dialogs.cancel();
    ConvertFontDialog dialog(workspace_font_conversion(ws), prompter, dialogs);
    dialog.show();
    QApplication::processEvents();
    const bool source = c.browse == Browse::Source;
    dialog.findChild<QPushButton*>(source ? "SourceBrowse" : "DestinationBrowse")->click();

    const std::vector<FileDialogRequest>& asked = source ? dialogs.opened : dialogs.saved;
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].filter, kConvertFontFilter);
    EXPECT_EQ(asked[0].must_exist, source);
    auto box_text = [&](const char* name) {
      return *name ? QString::fromStdString((dir / name).string()) : QString();
    };
    EXPECT_EQ(dialog.source_file()->text(), box_text(c.source_box));
    EXPECT_EQ(dialog.destination_file()->text(), box_text(c.destination_box));
    EXPECT_EQ(dialog.conversion().file_type(), c.file_type);
    EXPECT_EQ(prompter.questions.size(), c.questions);
    EXPECT_TRUE(prompter.errors.empty());
  }
}

TEST(FontConvertDialogs, MainWindowMenuOpensChangeFontWithItsCaption) {
  test::TempDir data;
  std::filesystem::copy(QUILM_READY_DATA_DIR, data.path(), std::filesystem::copy_options::recursive);
  test::FakePrompter prompter;
  TMainForm form(data.path(), &prompter);
  ASSERT_FALSE(form.startup_failed());
  auto* current = form.findChild<QAction*>("CurrentFile1");
  auto* external = form.findChild<QAction*>("ExternalFile1");
  ASSERT_NE(current, nullptr);
  ASSERT_NE(external, nullptr);
  EXPECT_EQ(current->text(), "Current File");
  EXPECT_EQ(current->shortcut(), QKeySequence(Qt::Key_F8));
  EXPECT_EQ(external->text(), "External File");

  form.editor().SetSelText(u"abc");
  form.editor().Select(1, 2);
  current->trigger();
  EXPECT_EQ(form.editor().SelLength(), 2);  // Convert must still see the selection
  auto* change_font = form.findChild<QDialog*>("ChangeFont");
  ASSERT_NE(change_font, nullptr);
  EXPECT_TRUE(change_font->isVisible());
  ASSERT_FALSE(prompter.captions.empty());
  EXPECT_EQ(prompter.captions.back(), "Converting Font...");
  change_font->close();
  EXPECT_EQ(prompter.captions.back(), "");

  external->trigger();
  auto* convert_font = form.findChild<QDialog*>("ConvertFont");
  ASSERT_NE(convert_font, nullptr);
  EXPECT_TRUE(convert_font->isVisible());
  convert_font->close();
}

}  // namespace
}  // namespace quilm::ui

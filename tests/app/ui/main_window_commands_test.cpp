// The main window's Go To, Options, page numbering and Help, offscreen, with
// the dialogs answered by the test.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTextBrowser>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/ui/help_window.h"
#include "app/ui/main_form.h"
#include "app/ui/options_dialog.h"
#include "app/ui/page_commands.h"
#include "app/ui/page_number_dialog.h"
#include "app/ui/paragraph_dialogs.h"
#include "tests/app/ui/shown_window.h"

namespace quilm::ui {
namespace {

// Runs `answer` on the modal dialog of type D as soon as `trigger` opens it.
template <typename D>
void answer_dialog(QAction* trigger, const std::function<void(D&)>& answer) {
  bool answered = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "the dialog did not open";
    answer(*dialog);
    answered = true;
    if (dialog->isVisible()) dialog->reject();
  });
  trigger->trigger();
  EXPECT_TRUE(answered);
}

template <typename W>
W* child(QWidget& dialog, const char* name) {
  W* widget = dialog.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

TEST(MainWindowCommands, GoToMovesToTheLineAndRefusesABadNumber) {
  ShownWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  w.form->editor().SetSelText(u"one\rtwo\rthree");
  QAction* go_to = w.action("Goto1");
  ASSERT_NE(go_to, nullptr);
  EXPECT_EQ(go_to->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));

  answer_dialog<QDialog>(go_to, [](QDialog& d) {
    child<QRadioButton>(d, "Line")->setChecked(true);
    child<QLineEdit>(d, "Number")->setText("3");
    d.accept();
  });
  EXPECT_EQ(w.form->editor().SelStart(), 8);
  EXPECT_EQ(w.form->editor().ViewMode(), 0);

  w.form->editor().SetSelStart(0);
  answer_dialog<QDialog>(go_to, [](QDialog& d) {
    child<QLineEdit>(d, "Number")->setText("");
    d.accept();
    EXPECT_TRUE(d.isVisible()) << "a bad number keeps the dialog open";
  });
  EXPECT_EQ(w.prompter.errors.size(), 1u);
  EXPECT_EQ(w.form->editor().SelStart(), 0) << "cancelled after the bad number: the caret stays";
}

TEST(MainWindowCommands, OptionsTakeOverAllOrNothing) {
  ShownWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  const Settings before = w.form->workspace().settings;
  QAction* options = w.action("Options1");
  ASSERT_NE(options, nullptr);

  answer_dialog<TOptions>(options, [](TOptions& d) {
    child<QComboBox>(d, "PunjabiSize")->setEditText("20");
    child<QComboBox>(d, "EnglishSize")->setEditText("1x");
    child<QCheckBox>(d, "DoubleClick")->setChecked(!child<QCheckBox>(d, "DoubleClick")->isChecked());
    d.accept();
    EXPECT_TRUE(d.isVisible());
  });
  ASSERT_EQ(w.prompter.errors.size(), 1u);
  EXPECT_NE(w.prompter.errors[0].find("1x"), std::string::npos) << w.prompter.errors[0];
  EXPECT_EQ(w.form->workspace().settings, before) << "nothing taken over, not even the good entries";

  answer_dialog<TOptions>(options, [](TOptions& d) {
    child<QComboBox>(d, "PunjabiSize")->setEditText("20");
    child<QComboBox>(d, "Zoom")->setCurrentText("250%");
    child<QComboBox>(d, "KeyboardLayout")->setCurrentIndex(0);
    d.accept();
  });
  const Settings& after = w.form->workspace().settings;
  EXPECT_EQ(after.punjabi_font_size, 20);
  EXPECT_EQ(after.zoom_step, 7) << "250 % is kept though the View menu lacks it";
  EXPECT_EQ(w.form->editor().ZoomFactor(), 250);
  EXPECT_EQ(after.layout_choice, 0);
  EXPECT_EQ(w.form->status_panel("Panel2")->text(), "Default");
}

TEST(MainWindowCommands, PageNumberingKeepsItsValueOnABadFirstNumber) {
  ShownWindow w;
  auto* pages = w.form->findChild<PageCommands*>();
  ASSERT_NE(pages, nullptr);
  QAction* number = w.action("PageNumber1");
  ASSERT_NE(number, nullptr);
  answer_dialog<TPageNumber>(number, [](TPageNumber& d) {
    child<QLineEdit>(d, "FirstNumber")->setText("5");
    d.findChildren<QRadioButton*>()[2]->setChecked(true);  // Footer
    d.accept();
  });
  EXPECT_EQ(pages->numbering(), (PageNumbering{PageNumberPlace::Footer, Alignment::Center, 5}));

  QTimer::singleShot(50, [] {  // the message about the bad number
    if (QWidget* box = QApplication::activeModalWidget(); box && !qobject_cast<TPageNumber*>(box)) box->close();
  });
  answer_dialog<TPageNumber>(number, [](TPageNumber& d) {
    child<QLineEdit>(d, "FirstNumber")->setText("x");
    d.accept();
  });
  EXPECT_EQ(pages->numbering().first_number, 5);
}

TEST(MainWindowCommands, ListItemsFormatTheParagraphsOfTheSelection) {
  ShownWindow w;
  Editor& e = w.form->editor();
  e.SetSelText(u"one\rtwo");
  e.Select(0, 5);
  const struct {
    const char* item;
    ListType type;
    Numbering numbering;
  } cases[] = {
      {"Bullets1", ListType::Bullets, Numbering::Arabic},
      {"CapitalLetters1", ListType::Numbered, Numbering::UpperLetters},
      {"SmallRoman1", ListType::Numbered, Numbering::LowerRoman},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    w.action(c.item)->trigger();
    e.SetSelStart(e.LineStart(1));
    EXPECT_EQ(e.ParagraphFormatAt().list.type, c.type);
    if (c.type == ListType::Numbered) EXPECT_EQ(e.ParagraphFormatAt().list.numbering, c.numbering);
    e.Select(0, 5);
  }
  e.SetSelStart(0);
  w.action("IncreaseLevel1")->trigger();
  EXPECT_EQ(e.ParagraphFormatAt().list.level, 2);
  w.action("DecreaseLevel1")->trigger();
  EXPECT_EQ(e.ParagraphFormatAt().list.level, 1);
}

TEST(MainWindowCommands, ParagraphDialogAppliesGoodEntriesAndStaysOpenOnABadOne) {
  ShownWindow w;
  Editor& e = w.form->editor();
  e.SetSelText(u"text");
  answer_dialog<TParagraphDlg>(w.action("Paragraph1"), [](TParagraphDlg& d) {
    child<QLineEdit>(d, "LeftIndent")->setText("36");
    child<QLineEdit>(d, "LineSpacing")->setText("150");
    d.accept();
  });
  EXPECT_EQ(e.ParagraphFormatAt().left_indent, 720);
  EXPECT_EQ(e.ParagraphFormatAt().line_spacing, 150);

  answer_dialog<TParagraphDlg>(w.action("Paragraph1"), [](TParagraphDlg& d) {
    child<QLineEdit>(d, "LeftIndent")->setText("0");
    child<QLineEdit>(d, "SpaceAfter")->setText("lots");
    d.accept();
    EXPECT_TRUE(d.isVisible()) << "a bad entry keeps the window open";
  });
  EXPECT_EQ(e.ParagraphFormatAt().left_indent, 720) << "nothing changed";
  ASSERT_FALSE(w.prompter.errors.empty());
  EXPECT_NE(w.prompter.errors.back().find("lots"), std::string::npos);

  answer_dialog<TFramesDlg>(w.action("ParagraphFrames1"), [](TFramesDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Paragraph Frames");
    child<QComboBox>(d, "FrameStyle")->setCurrentIndex(1);
    d.accept();
  });
  EXPECT_EQ(e.ParagraphFormatAt().frame.style, 1);

  answer_dialog<TTabDlg>(w.action("Tab1"), [](TTabDlg& d) {
    child<QLineEdit>(d, "TabStops")->setText("72 36");
    d.accept();
  });
  EXPECT_EQ(e.ParagraphFormatAt().tab_stops, (std::vector<int>{720, 1440}));
}

TEST(MainWindowCommands, PrintPreviewShowsEveryPage) {
  ShownWindow w;
  auto* pages = w.form->findChild<PageCommands*>();
  ASSERT_NE(pages, nullptr);
  std::u16string text;
  for (int i = 0; i < 150; ++i) text += u"\u0A2A\u0A70\u0A1C\u0A3E\u0A2C\u0A40 line\r";
  w.form->editor().SetSelText(text);
  pages->set_numbering({PageNumberPlace::Footer, Alignment::Right, 1});
  const int expected = page_count(pages->job());
  ASSERT_GT(expected, 1);
  answer_dialog<QPrintPreviewDialog>(w.action("PrintPreview1"), [&](QPrintPreviewDialog& preview) {
    auto* widget = preview.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->pageCount(), expected);
  });
}

TEST(MainWindowCommands, HelpOpensOnThePageOfTheWindow) {
  ShownWindow w;
  auto* help = w.form->findChild<HelpCommands*>();
  ASSERT_NE(help, nullptr);
  ASSERT_FALSE(help_folder().isEmpty()) << "the build writes the help pages";
  struct Case {
    const char* window;
    const char* page;
  };
  const Case cases[] = {
      {"TMainForm", "index.html"},
      {"TSortFile", "sorting.html"},
      {"ConvertFont", "font-conversion.html"},
      {"SomeWindowWithoutAPage", "index.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    QWidget window(w.form.get(), Qt::Window);
    window.setObjectName(c.window);
    ASSERT_TRUE(help->show_help_for(&window));
    EXPECT_EQ(help->browser()->browser()->source().fileName(), c.page);
    EXPECT_FALSE(help->browser()->browser()->toPlainText().isEmpty());
  }
  help->browser()->close();

  QWidget sort_window(w.form.get(), Qt::Window);  // F1 pressed in a tool window
  sort_window.setObjectName("TTableSort");
  auto* box = new QLineEdit(&sort_window);
  QTest::keyClick(box, Qt::Key_F1);
  EXPECT_TRUE(help->browser()->isVisible());
  EXPECT_EQ(help->browser()->browser()->source().fileName(), "sorting.html");
  help->browser()->close();
}

TEST(MainWindowCommands, HelpMenuHasTopicsAndAbout) {
  ShownWindow w;
  QMenu* help = w.form->menuBar()->findChild<QMenu*>("Help1");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(w.form->menuBar()->actions().back(), help->menuAction()) << "Help is the last menu";
  ASSERT_NE(w.action("HelpTopics1"), nullptr);
  answer_dialog<QDialog>(w.action("About1"), [](QDialog& about) {
    EXPECT_EQ(about.windowTitle(), "About Quilm 2010");
    const QString licences = child<QTextBrowser>(about, "AboutLicences")->toPlainText();
    EXPECT_TRUE(licences.contains("CC BY-SA 4.0")) << "the data's attributions";
    EXPECT_TRUE(licences.contains("Fonts (")) << "the fonts' licences";
  });
}

}  // namespace
}  // namespace quilm::ui

// The File menu of the main window, offscreen: its items run the document
// commands with scripted answers and dialogs, and the window shows what they
// leave (caption, recent files, enabled items).
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include "editor/editor.h"
#include "app/ui/main_form.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/app/ui/ready_data_folder.h"

namespace quilm::ui {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSaveQuestion = "Do you want to save the changes?";
constexpr int kTextFilter = 2, kRtfFilter = 4, kPbiFilter = 5;

// The started main window with a scripted prompter and file dialogs, and a
// folder for the documents.
struct FileMenuWindow {
  test::ReadyDataFolder data;
  test::TempDir docs;
  test::FakePrompter prompter;
  test::FakeFileDialogs dialogs;
  std::unique_ptr<TMainForm> form;

  FileMenuWindow() {
    form = std::make_unique<TMainForm>(data.dir.path(), &prompter, &dialogs);
    form->show();
    QApplication::processEvents();
  }
  ~FileMenuWindow() {
    prompter.answers = {Answer::No};
    form->close();
  }

  QAction* item(const char* name) const { return form->findChild<QAction*>(name); }
  void click(const char* name) const { item(name)->trigger(); }
  void open_menu() const { emit form->findChild<QMenu*>("File1")->aboutToShow(); }
  void type(const std::u16string& text) const { form->editor().SetSelText(text); }
  std::u16string text() const { return form->editor().Text(); }
  std::string title() const { return form->windowTitle().toStdString(); }
  std::string path(const char* name) const { return (docs / name).string(); }

  // Writes `contents` to `name` and opens it with "&Open...".
  void open_file(const char* name, const Bytes& contents) {
    docs.write(name, contents);
    dialogs.choose(docs / name);
    click("Open1");
  }
};

// The save question as New and closing the window ask it, about a changed
// document that has no file yet.
struct SaveQuestionCase {
  const char* label;
  Answer answer;
  bool name_given;  // the Save As dialog that Yes opens is answered
  bool closed;      // the document, or the window, is closed
  bool written;
};
const SaveQuestionCase kSaveQuestionCases[] = {
    {"Yes and a name for the file", Answer::Yes, true, true, true},
    {"Yes, then the name is not given", Answer::Yes, false, false, false},
    {"No", Answer::No, false, true, false},
    {"Cancel", Answer::Cancel, false, false, false},
};

void answer_the_save_question(FileMenuWindow& w, const SaveQuestionCase& c) {
  w.type(u"ਸਤਿ ਨਾਮੁ");
  w.prompter.answers = {c.answer};
  if (c.name_given)
    w.dialogs.choose(w.docs / "kept.pbi", kPbiFilter);
  else
    w.dialogs.cancel();
}

void expect_asked_once_and_written(const FileMenuWindow& w, const SaveQuestionCase& c) {
  EXPECT_EQ(w.prompter.questions, std::vector<std::string>{kSaveQuestion});
  EXPECT_EQ(fs::exists(w.docs / "kept.pbi"), c.written);
  EXPECT_TRUE(w.prompter.errors.empty());
}

TEST(FileMenu, NewAsksToSaveAChangedDocumentAndOnlyCancelKeepsIt) {
  for (const SaveQuestionCase& c : kSaveQuestionCases) {
    SCOPED_TRACE(c.label);
    FileMenuWindow w;
    answer_the_save_question(w, c);
    w.click("New1");
    expect_asked_once_and_written(w, c);
    EXPECT_EQ(w.text(), c.closed ? u"" : u"ਸਤਿ ਨਾਮੁ");
    EXPECT_EQ(w.title(), c.closed ? "NewDocument" : "Quilm 2010");
    if (c.written) {
      EXPECT_EQ(w.item("Filename1")->text().toStdString(), "&1 " + w.path("kept.pbi"));
    }
  }
}

TEST(FileMenu, ClosingTheWindowAsksToSaveAndOnlyCancelKeepsItOpen) {
  for (const SaveQuestionCase& c : kSaveQuestionCases) {
    SCOPED_TRACE(c.label);
    FileMenuWindow w;
    const Bytes settings_before = w.data.settings();
    answer_the_save_question(w, c);
    EXPECT_EQ(w.form->close(), c.closed);
    EXPECT_EQ(w.form->isVisible(), !c.closed);
    expect_asked_once_and_written(w, c);
    // The settings are written back only when the program ends; a saved
    // file is remembered in them.
    const Bytes settings = w.data.settings();
    if (!c.closed) {
      EXPECT_EQ(settings, settings_before);
    }
    if (c.written) {
      EXPECT_EQ(settings.substr(0, settings.find('\r')), "&1" + w.path("kept.pbi"));
    }
  }
}

TEST(FileMenu, ExitGoesThroughTheSaveQuestion) {
  FileMenuWindow w;
  w.type(u"ਸਤਿ");
  w.prompter.answers = {Answer::Cancel};
  w.click("Exit1");
  EXPECT_EQ(w.prompter.questions, std::vector<std::string>{kSaveQuestion});
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_EQ(w.text(), u"ਸਤਿ");
}

TEST(FileMenu, SaveAsAndReopeningKeepTheRecentFilesAndTheirOrder) {
  FileMenuWindow w;
  EXPECT_FALSE(w.item("Filename1")->isVisible());
  EXPECT_FALSE(w.item("FileName2")->isVisible());

  w.type(u"first");
  w.dialogs.choose(w.docs / "a.txt", kTextFilter);
  w.click("SaveAs1");
  EXPECT_EQ(w.title(), w.path("a.txt"));
  EXPECT_EQ(w.item("Filename1")->text().toStdString(), "&1 " + w.path("a.txt"));
  EXPECT_TRUE(w.item("Filename1")->isVisible());
  EXPECT_FALSE(w.item("FileName2")->isVisible());

  w.type(u" and second");
  w.dialogs.choose(w.docs / "b", kRtfFilter);  // the filter's extension is added
  w.click("SaveAs1");
  EXPECT_EQ(w.title(), w.path("b.rtf"));
  EXPECT_EQ(w.item("Filename1")->text().toStdString(), "&1 " + w.path("b.rtf"));
  EXPECT_EQ(w.item("FileName2")->text().toStdString(), "&2 " + w.path("a.txt"));
  EXPECT_TRUE(w.item("FileName2")->isVisible());

  // Re-opening either file, from the list or the Open dialog, leaves the list as it is.
  w.click("FileName2");
  EXPECT_EQ(w.text(), u"first");
  EXPECT_EQ(w.title(), w.path("a.txt"));
  w.dialogs.choose(w.docs / "b.rtf", kRtfFilter);
  w.click("Open1");
  EXPECT_EQ(w.text(), u"first and second");
  EXPECT_EQ(w.title(), w.path("b.rtf"));
  EXPECT_EQ(w.item("Filename1")->text().toStdString(), "&1 " + w.path("b.rtf"));
  EXPECT_EQ(w.item("FileName2")->text().toStdString(), "&2 " + w.path("a.txt"));
  EXPECT_TRUE(w.prompter.silent());
}

TEST(FileMenu, ARecentFileWithAnAmpersandInItsPathShowsIt) {
  FileMenuWindow w;
  w.type(u"x");
  w.dialogs.choose(w.docs / "R&D.txt", kTextFilter);
  w.click("SaveAs1");
  EXPECT_EQ(w.item("Filename1")->text().toStdString(), "&1 " + w.path("R&&D.txt"));
  w.click("New1");
  w.click("Filename1");
  EXPECT_EQ(w.title(), w.path("R&D.txt"));
  EXPECT_EQ(w.text(), u"x");
}

TEST(FileMenu, AFileThatCannotBeReadIsShownAndTheOpenDocumentStays) {
  enum class Made { WithContents, AsFolder, NotAtAll };
  struct Case {
    const char* label;
    const char* command;
    const char* file;
    Made made;
    const char* contents;
  };
  const Case cases[] = {
      {"damaged RTF", "Open1", "bad.rtf", Made::WithContents, "{\\rtf1 cut short"},
      {"damaged Quilm document", "Open1", "bad.pbi", Made::WithContents, "<quilm><run"},
      // The third filter of the Open dialog opens a ".txt" file as Unicode text.
      {"Unicode text of an odd length", "Open1", "bad.txt", Made::WithContents, "\xFF\xFE\x38"},
      {"a folder", "Open1", "folder.doc", Made::AsFolder, nullptr},
      {"a file gone since it was chosen", "Open1", "gone.rtf", Made::NotAtAll, nullptr},
      {"import of Unicode text of an odd length", "Import1", "bad.txt", Made::WithContents, "\xFF\xFE\x38"},
      {"import of an ISCII file gone since it was chosen", "Import1", "gone.aci", Made::NotAtAll, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FileMenuWindow w;
    w.open_file("good.txt", "good text");
    ASSERT_EQ(w.text(), u"good text");
    if (c.made == Made::WithContents) w.docs.write(c.file, c.contents);
    if (c.made == Made::AsFolder) fs::create_directory(w.docs / c.file);
    w.dialogs.choose(w.docs / c.file, 3);
    w.click(c.command);
    ASSERT_EQ(w.prompter.errors.size(), 1u);
    EXPECT_NE(w.prompter.errors[0].find(c.file), std::string::npos) << w.prompter.errors[0];
    EXPECT_EQ(w.text(), u"good text");
    EXPECT_EQ(w.title(), w.path("good.txt"));
    EXPECT_EQ(w.item("Filename1")->text().toStdString(), "&1 " + w.path("good.txt"));
    EXPECT_FALSE(w.item("FileName2")->isVisible());
  }
}

TEST(FileMenu, TheItemsFollowWhatTheDocumentAllows) {
  struct Case {
    const char* label;
    void (*prepare)(FileMenuWindow&);
    bool close, save, save_as, export_;
  };
  const Case cases[] = {
      {"empty at start-up", [](FileMenuWindow&) {}, false, false, false, true},
      {"typed text", [](FileMenuWindow& w) { w.type(u"ਸ"); }, true, true, true, true},
      {"emptied by New", [](FileMenuWindow& w) {
         w.type(u"ਸ");
         w.prompter.answers = {Answer::No};
         w.click("New1");
       }, false, false, false, true},
      {"opened from a file", [](FileMenuWindow& w) { w.open_file("a.txt", "text"); }, true, true, true, true},
      // Save writes an imported text file back in its own encoding and line ends.
      {"imported from Unicode text", [](FileMenuWindow& w) {
         w.docs.write("u.txt", Bytes("\xFF\xFE\x38\x0A", 4));
         w.dialogs.choose(w.docs / "u.txt");
         w.click("Import1");
       }, true, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FileMenuWindow w;
    c.prepare(w);
    // The items follow the document before the menu opens too, so that
    // their shortcuts do only what the menu allows.
    for (bool menu_opened : {false, true}) {
      SCOPED_TRACE(menu_opened ? "menu opened" : "before the menu opens");
      if (menu_opened) w.open_menu();
      EXPECT_EQ(w.item("Close1")->isEnabled(), c.close);
      EXPECT_EQ(w.item("Save1")->isEnabled(), c.save);
      EXPECT_EQ(w.item("SaveAs1")->isEnabled(), c.save_as);
      EXPECT_EQ(w.item("Export1")->isEnabled(), c.export_);
      EXPECT_TRUE(w.item("New1")->isEnabled());
      EXPECT_TRUE(w.item("Open1")->isEnabled());
    }
    EXPECT_TRUE(w.prompter.errors.empty());
  }
}

TEST(FileMenu, ExportWritesEachKindAndLeavesTheDocumentItsName) {
  struct Case {
    const char* label;
    int filter;
    const char* chosen;
    const char* written;
    Bytes starts_with;
    bool centred_page_view;
  };
  const Case cases[] = {
      {"Unicode text", 1, "out", "out.txt", Bytes("\xFF\xFE", 2), false},
      // The text is in the Punjabi default font, so it becomes ISCII Gurmukhi.
      {"ISCII", 2, "out.txt", "out.aci", "\xA8\xCA\xB8", false},
      {"PDF, drawn in the centred page view", 3, "out", "out.pdf", "%PDF-", true},
      {"Unicode UTF-8 text, without a mark", 4, "out", "out.txt", "\xE0", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FileMenuWindow w;
    w.open_file("letter.txt", "abc");
    w.dialogs.choose(w.docs / c.chosen, c.filter);
    w.click("Export1");
    EXPECT_TRUE(w.prompter.errors.empty()) << w.prompter.errors.at(0);
    EXPECT_EQ(w.dialogs.saved.back().proposed_name, w.path("letter.txt"));
    EXPECT_EQ(w.docs.read(c.written).substr(0, c.starts_with.size()), c.starts_with);
    EXPECT_EQ(w.title(), w.path("letter.txt"));
    EXPECT_EQ(w.item("ExtendedPageView1")->isChecked(), c.centred_page_view);
  }
}

TEST(FileMenu, ImportShowsTheFileAsTheDocumentNameAndSaveAsGivesItAFile) {
  FileMenuWindow w;
  w.docs.write("u.txt", Bytes("\xFF\xFE\x38\x0A", 4));
  w.dialogs.choose(w.docs / "u.txt");
  w.click("Import1");
  EXPECT_EQ(w.title(), w.path("u.txt"));
  EXPECT_FALSE(w.text().empty());
  w.dialogs.choose(w.docs / "u.pbi", kPbiFilter);
  w.click("SaveAs1");
  EXPECT_EQ(w.title(), w.path("u.pbi"));
  w.open_menu();
  EXPECT_TRUE(w.item("Save1")->isEnabled());
  EXPECT_TRUE(w.prompter.errors.empty());
}

// A UTF-8 text file with LF line ends, as Linux editors write it, is saved
// back as it was: UTF-8 and LF.
TEST(FileMenu, AnImportedUtf8FileIsSavedBackAsItWasWritten) {
  FileMenuWindow w;
  const Bytes file = "\xE0\xA8\xB8\xE0\xA8\xA4\xE0\xA8\xBF 1\nok\n";
  w.docs.write("u.txt", file);
  w.dialogs.choose(w.docs / "u.txt");
  w.click("Import1");
  w.open_menu();
  ASSERT_TRUE(w.item("Save1")->isEnabled());
  w.click("Save1");
  EXPECT_TRUE(w.prompter.errors.empty());
  EXPECT_EQ(w.docs.read("u.txt"), file);

  // The digit came as a separator in the English font: Gurmukhi numerals are
  // only for the digits of the Gurmukhi fonts.
  EXPECT_FALSE(w.form->workspace().export_gurmukhi_digits);
  w.item("GurmukhiDigits1")->trigger();
  EXPECT_TRUE(w.form->workspace().export_gurmukhi_digits);
  w.dialogs.choose(w.docs / "digits", 4);
  w.click("Export1");
  EXPECT_EQ(w.docs.read("digits.txt"), file);
}

}  // namespace
}  // namespace quilm::ui

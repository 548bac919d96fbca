// The File menu on the in-memory editor: the save question, Save and Save As,
// Open and the recent files, Import and Export, and what each leaves in the
// document state.
#include "app/document/document_commands.h"

#include <gtest/gtest.h>

#include "editors/memory_editor.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

// Stands in for the Unicode and ISCII conversions: records the calls.
class FakeEncodings : public DocumentEncodings {
 public:
  std::vector<std::string> calls;
  std::vector<UnicodeExport> unicode_saves;
  TextFileForm imported_form = kLinuxUtf8Form;  // what the import reports
  bool fail = false;

  Status import_unicode(Editor& e, const fs::path& p, TextFileForm& form) override {
    form = imported_form;
    return import("import_unicode", e, p);
  }
  Status import_iscii(Editor& e, const fs::path& p) override { return import("import_iscii", e, p); }
  Status save_unicode(Editor&, const fs::path& p, const UnicodeExport& how) override {
    unicode_saves.push_back(how);
    return call("save_unicode", p);
  }
  Status save_iscii(Editor&, const fs::path& p) override { return call("save_iscii", p); }

 private:
  Status call(const std::string& name, const fs::path& p) {
    calls.push_back(name + " " + p.filename().string());
    return fail ? Status::Error("cannot " + name) : Status::Ok();
  }
  Status import(const std::string& name, Editor& e, const fs::path& p) {
    Status s = call(name, p);
    if (s) {
      e.Clear();
      e.SetSelText(u"imported text");
    }
    return s;
  }
};

struct FileMenu : ::testing::Test {
  test::TempDir dir;
  Workspace ws;
  MemoryEditor editor;
  test::FakePrompter prompter;
  test::FakeFileDialogs dialogs;
  FakeEncodings encodings;
  DocumentCommands commands{ws, editor, prompter, dialogs, encodings};

  FileMenu() { editor.SetLegacyFonts([](const std::string& f) { return f == "AnmolLipi"; }); }

  void type(const std::u16string& text) {
    editor.SetSelText(text);
    commands.DocumentChanged();
  }
  void choose(const fs::path& path, int filter = 1) { dialogs.choose(path, filter); }
  void cancel_dialog() { dialogs.cancel(); }
  // A document opened from a file of its own.
  void open_titled(const std::string& name, const Bytes& contents = "text") {
    dir.write(name, contents);
    choose(dir / name);
    commands.Open1Click();
    ASSERT_EQ(ws.document.name, (dir / name).string());
  }
};

TEST_F(FileMenu, TheSaveQuestionDecidesWhetherTheDocumentIsSavedOrStays) {
  struct Case {
    const char* label;
    bool titled;
    Answer answer;
    bool dialog_cancelled;
    bool closes;
    bool file_written;
  };
  const Case cases[] = {
      {"Cancel keeps the document", true, Answer::Cancel, false, false, false},
      {"No drops the changes", true, Answer::No, false, true, false},
      {"Yes saves a titled document with Save", true, Answer::Yes, false, true, true},
      {"Yes saves an untitled document with Save As", false, Answer::Yes, false, true, true},
      {"Yes, then cancelling Save As, keeps the document", false, Answer::Yes, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    editor.Clear();
    ws.document = DocumentState{};
    const fs::path file = dir / "doc.rtf";
    fs::remove(file);
    if (c.titled) {
      ws.document.name = file.string();
      ws.document.untitled = false;
      ws.document.save_format = FormatCode::Rtf;
    }
    type(u"ਸਤਿ changes");
    prompter.answers = {c.answer};
    prompter.questions.clear();
    if (!c.titled) c.dialog_cancelled ? cancel_dialog() : choose(dir / "doc", 4);

    EXPECT_EQ(commands.CloseCurrentFile(), c.closes);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0], "Do you want to save the changes?");
    EXPECT_EQ(ws.document.cancelled, !c.closes);
    EXPECT_EQ(fs::exists(file), c.file_written);
    EXPECT_EQ(commands.modified(), !c.closes);
    if (c.closes) {
      EXPECT_TRUE(ws.document.untitled);
    }
    EXPECT_EQ(editor.Text(), u"ਸਤਿ changes") << "closing leaves emptying to the command";
    dialogs.answers.clear();
  }
}

TEST_F(FileMenu, NoQuestionForAnUnchangedDocumentOrOneOfAtMostOneCharacter) {
  const std::u16string texts[] = {u"", u"x"};
  for (const auto& text : texts) {
    editor.Clear();
    type(text);
    EXPECT_TRUE(commands.CloseCurrentFile());
  }
  editor.SetSelText(u"unchanged");
  editor.SetModified(false);
  ws.document.modified = false;
  EXPECT_TRUE(commands.CloseCurrentFile());
  EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(FileMenu, CancelStopsEveryCommandThatClosesTheDocument) {
  type(u"unsaved work");
  const std::pair<const char*, std::function<void()>> commands_that_close[] = {
      {"New", [&] { commands.New1Click(); }},       {"Open", [&] { commands.Open1Click(); }},
      {"Close", [&] { commands.Close1Click(); }},   {"Import", [&] { commands.Import1Click(); }},
      {"recent file", [&] { commands.RecentFileClick(1); }},
  };
  ws.settings.recent_file1 = "&1" + (dir / "old.txt").string();
  for (const auto& [name, run] : commands_that_close) {
    SCOPED_TRACE(name);
    prompter.answers = {Answer::Cancel};
    run();
    EXPECT_TRUE(ws.document.cancelled);
    EXPECT_EQ(editor.Text(), u"unsaved work");
    EXPECT_TRUE(dialogs.opened.empty());
  }
}

TEST_F(FileMenu, SaveAsksForANameWhenTheDocumentHasNone) {
  const char* names[] = {"NewDocument", "Quilm 2010", ""};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    ws.document.name = name;
    dialogs.saved.clear();
    commands.Save1Click();
    ASSERT_EQ(dialogs.saved.size(), 1u);
    EXPECT_EQ(dialogs.saved[0].title, "Save File");
  }
}

TEST_F(FileMenu, SaveAsWritesTheChosenFormatAndMakesItTheDocumentsOwn) {
  ws.settings.default_save_type = 3;
  ws.document.name = "NewDocument";
  type(u"words");
  choose(dir / "mine", 6);  // "All files (*.*)"
  ASSERT_TRUE(commands.SaveAs1Click());
  const FileDialogRequest& r = dialogs.saved.at(0);
  EXPECT_EQ(r.filter_index, 4);  // "RTF Documents (*.rtf)": the name proposed is an RTF file's
  EXPECT_EQ(r.default_extension, "rtf");
  EXPECT_EQ(r.proposed_name, "NewDocument.rtf");
  const fs::path written = dir / "mine.xml";
  EXPECT_EQ(dir.read("mine.xml").substr(0, 5), "<?xml");
  EXPECT_EQ(ws.document.name, written.string());
  EXPECT_EQ(ws.document.save_format, FormatCode::Xml);
  EXPECT_FALSE(ws.document.untitled);
  EXPECT_FALSE(commands.modified());
  EXPECT_EQ(ws.settings.recent_file1, "&1" + written.string());

  // Save then writes the same file in the same format, with the page values.
  type(u" more");
  editor.SetPage({12240, 15840, 720, 1080, 720, 1080});
  ASSERT_TRUE(commands.Save1Click());
  EXPECT_NE(dir.read("mine.xml").find("more"), std::string::npos);
  EXPECT_NE(dir.read("mine.xml").find("<values>12240 15840 720 1080 720 1080</values>"), std::string::npos);
}

TEST_F(FileMenu, SaveAsAsksBeforeReplacingTheFileItWillWrite) {
  type(u"new text");
  dir.write("old.rtf", "{\\rtf1 old}");
  // The chosen name has no extension: the question is about old.rtf all the same.
  choose(dir / "old", 4);
  prompter.answers = {Answer::No};
  EXPECT_FALSE(commands.SaveAs1Click());
  EXPECT_EQ(prompter.questions, std::vector<std::string>{"Do you want to replace the file?"});
  EXPECT_EQ(dir.read("old.rtf"), "{\\rtf1 old}");

  choose(dir / "old.rtf", 4);
  prompter.answers = {Answer::Yes};
  fs::permissions(dir / "old.rtf", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(commands.SaveAs1Click());
  EXPECT_NE(dir.read("old.rtf").find("new text"), std::string::npos);
}

TEST_F(FileMenu, AFailedSaveIsShownAndKeepsTheDocumentChanged) {
  ws.document.name = (dir / "text.txt").string();
  ws.document.untitled = false;
  ws.document.save_format = FormatCode::PlainText;
  type(u"\u0A38 is not 8-bit");
  EXPECT_FALSE(commands.Save1Click());
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_NE(prompter.errors[0].find("U+0A38"), std::string::npos);
  EXPECT_TRUE(commands.modified());
  EXPECT_FALSE(fs::exists(dir / "text.txt"));
}

// Records how many progress bars had ended when an error box came.
struct ProgressBeforeErrors : test::FakePrompter {
  std::vector<int> ends_at_error;
  void error(const std::string& text) override {
    ends_at_error.push_back(progress_ends);
    FakePrompter::error(text);
  }
};

TEST_F(FileMenu, LoadsAndSavesShowTheirCaptionAndABusyBarThatEndsBeforeAFailureIsShown) {
  struct Case {
    const char* label;
    const char* file;
    const char* contents;  // of the file opened, or nullptr: the document is saved to it
    const char* caption;
    bool fails;
  };
  const Case cases[] = {
      {"open", "a.txt", "text", "Opening File...", false},
      {"open of a damaged file", "a.rtf", "{\\rtf1", "Opening File...", true},
      {"save", "b.pbi", nullptr, "Saving File...", false},
      {"save into a missing folder", "missing/b.pbi", nullptr, "Saving File...", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ProgressBeforeErrors shown;
    DocumentCommands files{ws, editor, shown, dialogs, encodings};
    // One character: closing it asks nothing.
    editor.Clear();
    editor.SetSelText(u"x");
    if (c.contents) {
      dir.write(c.file, c.contents);
      choose(dir / c.file);
      files.Open1Click();
    } else {
      choose(dir / c.file, 5);
      files.SaveAs1Click();
    }
    EXPECT_EQ(shown.captions, (std::vector<std::string>{c.caption, ""}));
    EXPECT_EQ(shown.progress_max, 0);
    EXPECT_EQ(shown.progress_ends, 1);
    EXPECT_EQ(shown.ends_at_error, c.fails ? std::vector<int>{1} : std::vector<int>{});
  }
}

TEST_F(FileMenu, OpenLoadsByExtensionAndRemembersTheFile) {
  ws.settings.default_save_type = 4;
  dir.write("page.htm", "<p align=center><font face=\"AnmolLipi\">\x93k</font></p>");
  choose(dir / "page.htm", 3);
  commands.Open1Click();
  ASSERT_TRUE(prompter.errors.empty()) << prompter.errors[0];
  EXPECT_EQ(dialogs.opened.at(0).filter_index, 5);
  EXPECT_TRUE(dialogs.opened.at(0).must_exist);
  EXPECT_EQ(editor.Text(), u"\x93k");
  EXPECT_EQ(editor.FontName(), "AnmolLipi");
  EXPECT_EQ(ws.document.save_format, FormatCode::Html);
  EXPECT_FALSE(ws.document.untitled);
  EXPECT_FALSE(commands.modified());
  EXPECT_EQ(ws.settings.recent_file1, "&1" + (dir / "page.htm").string());

  // The same file again leaves the list as it is.
  ws.settings.recent_file2 = "&2other.rtf";
  choose(dir / "page.htm", 3);
  commands.Open1Click();
  EXPECT_EQ(ws.settings.recent_file1, "&1" + (dir / "page.htm").string());
  EXPECT_EQ(ws.settings.recent_file2, "&2other.rtf");
}

TEST_F(FileMenu, OpenAppliesThePageValuesTheFileHolds) {
  dir.write("paged.rtf", "{\\rtf1\\paperw12240\\paperh15840\\margl720 text\\par}");
  choose(dir / "paged.rtf", 4);
  commands.Open1Click();
  Editor::PageLayout expected;
  expected.width = 12240;
  expected.height = 15840;
  expected.margin_left = 720;
  EXPECT_EQ(editor.Page(), expected);
  EXPECT_EQ(editor.SelStart(), 0);
}

TEST_F(FileMenu, ATextFileOpenedWithTheThirdFilterIsUnicodeText) {
  dir.write("u.txt", Bytes("\xFF\xFE\x38\x0A", 4));
  choose(dir / "u.txt", 3);
  commands.Open1Click();
  EXPECT_EQ(editor.Text(), u"\u0A38");
  EXPECT_EQ(ws.document.save_format, FormatCode::Unicode);
}

TEST_F(FileMenu, ADamagedFileIsShownAndTheOpenDocumentStays) {
  open_titled("good.txt", "good text");
  dir.write("bad.rtf", "{\\rtf1 cut short");
  choose(dir / "bad.rtf", 4);
  commands.Open1Click();
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_NE(prompter.errors[0].find("bad.rtf"), std::string::npos);
  EXPECT_EQ(editor.Text(), u"good text");
  EXPECT_EQ(ws.document.name, (dir / "good.txt").string());
  EXPECT_EQ(ws.document.save_format, FormatCode::PlainText);
  EXPECT_EQ(ws.settings.recent_file1, "&1" + (dir / "good.txt").string());
}

TEST_F(FileMenu, NewAndCloseEmptyTheDocument) {
  ws.settings.punjabi_font = "AnmolLipi";
  type(u"x");
  commands.New1Click();
  EXPECT_EQ(editor.Text(), u"");
  EXPECT_EQ(ws.document.name, "NewDocument");
  EXPECT_TRUE(ws.document.untitled);
  EXPECT_EQ(editor.FontName(), "AnmolLipi");
  type(u"y");
  commands.Close1Click();
  EXPECT_EQ(editor.Text(), u"");
  EXPECT_FALSE(commands.modified());
}

TEST_F(FileMenu, ARecentFileOpensByItsExtension) {
  dir.write("r.pbi", "<quilm-document version=\"1\"><alignments>left</alignments><run font=\"AnmolLipi\">pbi"
                     "</run></quilm-document>");
  ws.settings.recent_file2 = "&2" + (dir / "r.pbi").string();
  commands.RecentFileClick(2);
  EXPECT_EQ(editor.Text(), u"pbi");
  EXPECT_EQ(ws.document.save_format, FormatCode::Pbi);
  EXPECT_EQ(ws.document.name, (dir / "r.pbi").string());
  EXPECT_FALSE(ws.document.untitled);
  // An empty item opens nothing.
  ws.settings.recent_file1 = "&1";
  commands.RecentFileClick(1);
  EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(FileMenu, ImportGoesThroughTheConversionsAndLeavesSaveOff) {
  struct Case {
    const char* file;
    const char* call;
    bool iscii;
  };
  const Case cases[] = {{"i.aci", "import_iscii i.aci", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    encodings.calls.clear();
    prompter.captions.clear();
    ws.conversion.typing = true;
    choose(dir / c.file);
    commands.Import1Click();
    EXPECT_EQ(dialogs.opened.back().title, "Import File");
    EXPECT_EQ(encodings.calls, std::vector<std::string>{c.call});
    EXPECT_EQ(editor.Text(), u"imported text");
    EXPECT_EQ(ws.document.iscii_mode, c.iscii);
    EXPECT_TRUE(ws.document.untitled);
    EXPECT_FALSE(ws.conversion.typing);
    EXPECT_FALSE(commands.File1Click().save);
    EXPECT_TRUE(commands.File1Click().save_as);
    EXPECT_EQ(prompter.captions, (std::vector<std::string>{"Importing File...", ""}));
  }
  // Save of an ISCII import writes ISCII to its file.
  encodings.calls.clear();
  EXPECT_TRUE(commands.Save1Click());
  EXPECT_EQ(encodings.calls, std::vector<std::string>{"save_iscii i.aci"});
}

// A text file keeps its encoding and line ends: Save writes it back as the
// import found it, until Save As gives the document a format of its own.
TEST_F(FileMenu, SaveWritesAnImportedTextFileBackInItsOwnForm) {
  const TextFileForm forms[] = {kLinuxUtf8Form, kProgramUnicodeForm,
                                {TextFileForm::Encoding::EightBit, false, false}};
  for (const TextFileForm& form : forms) {
    SCOPED_TRACE(static_cast<int>(form.encoding));
    encodings.calls.clear();
    encodings.unicode_saves.clear();
    encodings.imported_form = form;
    choose(dir / "u.txt");
    commands.Import1Click();
    EXPECT_EQ(editor.Text(), u"imported text");
    EXPECT_FALSE(ws.document.iscii_mode);
    EXPECT_FALSE(ws.document.untitled);
    EXPECT_FALSE(ws.conversion.typing);
    EXPECT_TRUE(commands.File1Click().save);
    type(u" and more");
    ASSERT_TRUE(commands.Save1Click());
    EXPECT_EQ(encodings.calls, (std::vector<std::string>{"import_unicode u.txt", "save_unicode u.txt"}));
    ASSERT_EQ(encodings.unicode_saves.size(), 1u);
    EXPECT_EQ(encodings.unicode_saves[0].form, form);
    EXPECT_FALSE(encodings.unicode_saves[0].gurmukhi_digits);
    EXPECT_FALSE(commands.modified());
  }
  // After Save As the document is saved in the format chosen there.
  choose(dir / "letter.rtf", 4);
  ASSERT_TRUE(commands.SaveAs1Click());
  encodings.calls.clear();
  EXPECT_TRUE(commands.Save1Click());
  EXPECT_TRUE(encodings.calls.empty());
  EXPECT_TRUE(fs::exists(dir / "letter.rtf"));
}

TEST_F(FileMenu, ExportWritesTheChosenKindWithItsExtensionAndKeepsTheSelection) {
  struct Case {
    int filter;
    const char* chosen;
    const char* call;  // empty: PDF, written by the editor
  };
  const Case cases[] = {{1, "out", "save_unicode out.txt"},
                        {2, "out.txt", "save_iscii out.aci"},
                        {4, "out", "save_unicode out.txt"}};
  ws.document.name = "letter.rtf";
  type(u"some text");
  editor.Select(2, 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    encodings.calls.clear();
    choose(dir / c.chosen, c.filter);
    commands.Export1Click();
    const FileDialogRequest& r = dialogs.saved.back();
    EXPECT_EQ(r.title, "Export File");
    EXPECT_EQ(r.proposed_name, "letter.txt");
    EXPECT_EQ(encodings.calls, std::vector<std::string>{c.call});
    EXPECT_EQ(editor.SelStart(), 2);
    EXPECT_EQ(editor.SelLength(), 3);
  }
  // UTF-16 with CR LF, as the program's own files, and UTF-8 as on Linux.
  ASSERT_EQ(encodings.unicode_saves.size(), 2u);
  EXPECT_EQ(encodings.unicode_saves[0].form, kProgramUnicodeForm);
  EXPECT_EQ(encodings.unicode_saves[1].form, kLinuxUtf8Form);
  EXPECT_FALSE(encodings.unicode_saves[0].gurmukhi_digits);
  // The Gurmukhi digits of the File menu go with the export.
  ws.export_gurmukhi_digits = true;
  choose(dir / "out", 1);
  commands.Export1Click();
  EXPECT_TRUE(encodings.unicode_saves.back().gurmukhi_digits);
  // A failing conversion is shown.
  encodings.fail = true;
  choose(dir / "out", 1);
  commands.Export1Click();
  EXPECT_EQ(prompter.errors, std::vector<std::string>{"cannot save_unicode"});
}

TEST_F(FileMenu, TheFileMenuEnablesWhatTheDocumentAllows) {
  FileMenuState empty = commands.File1Click();
  EXPECT_FALSE(empty.close);
  EXPECT_FALSE(empty.save);
  EXPECT_FALSE(empty.save_as);
  EXPECT_TRUE(empty.export_);  // the name "Quilm 2010"
  type(u"a");
  const FileMenuState some = commands.File1Click();
  EXPECT_TRUE(some.close && some.save && some.save_as);
  ws.document.name = "";
  EXPECT_FALSE(commands.File1Click().export_);
}

}  // namespace
}  // namespace quilm

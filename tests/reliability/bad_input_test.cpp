// Malformed files (bad_input/) opened through the program's own paths: the
// document formats, the Unicode and ISCII imports, start-up's settings file,
// the table store and quilm-cli. Each gives a message that says what is
// wrong, nothing crashes, and no file on disk changes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>

#include "app/document/file_formats.h"
#include "formats/document_format.h"
#include "editors/memory_editor.h"
#include "app/startup.h"
#include "tables/sqlite_table.h"
#include "spell/lexicon.h"
#include "convert/iscii_document.h"
#include "convert/unicode_document.h"
#include "tests/convert/document_fixture.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

namespace fs = std::filesystem;

const fs::path kBadInput = QUILM_BAD_INPUT_DIR;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A folder holding a copy of one bad file, so that the test can tell
// whether anything in it was changed, removed or added.
class BadFileFolder {
 public:
  explicit BadFileFolder(const std::string& bad_file, const std::string& name_in_folder = "")
      : path_(dir_ / (name_in_folder.empty() ? bad_file : name_in_folder)) {
    fs::copy_file(kBadInput / bad_file, path_);
  }
  const fs::path& path() const { return path_; }
  const TempDir& dir() const { return dir_; }
  void take_snapshot() { before_ = snapshot(); }
  bool unchanged() const { return snapshot() == before_; }

 private:
  std::map<std::string, Bytes> snapshot() const {
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::directory_iterator(dir_.path()))
      files[entry.path().filename().string()] = dir_.read(entry.path().filename().string());
    return files;
  }

  TempDir dir_;
  fs::path path_;
  std::map<std::string, Bytes> before_;
};

TEST(BadInput, DocumentsAreRefusedAndTheOpenDocumentStays) {
  struct Case {
    const char* file;
    int open_filter;  // 3 opens a .txt file as Unicode text
    const char* message_part;
  };
  const Case cases[] = {
      {"truncated.rtf", 0, "The RTF file is damaged"},
      {"junk.rtf", 0, "The file is not RTF"},
      {"junk.pbi", 0, "The XML document is not UTF-8"},
      {"truncated.pbi", 0, "the file may be cut short"},
      {"junk.txt", 3, "odd number of bytes"},
      {"broken_surrogate.txt", 3, "the surrogate U+D800 at byte 8 has no partner"},
  };
  const CharFormat format{.font_name = "AnmolLipi"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    BadFileFolder folder(c.file);
    folder.take_snapshot();
    const Document open = document_from_text(u"kept", format);
    Document doc = open;
    const Status status = load_document_file(folder.path(), format_for_opening(folder.path(), c.open_filter), format, doc);
    ASSERT_FALSE(status);
    EXPECT_TRUE(contains(status.message(), c.file)) << status.message();
    EXPECT_TRUE(contains(status.message(), c.message_part)) << status.message();
    EXPECT_EQ(doc, open);
    EXPECT_TRUE(folder.unchanged());
  }
}

TEST(BadInput, UnicodeImportRefusesAnUnpairedSurrogate) {
  DocumentFixture doc;
  doc.add(u"kept", "AnmolLipi");
  BadFileFolder folder("broken_surrogate.txt");
  folder.take_snapshot();
  const Status status = ImportUnicodeFile(doc.context, folder.path());
  ASSERT_FALSE(status);
  EXPECT_TRUE(contains(status.message(), "broken_surrogate.txt")) << status.message();
  EXPECT_TRUE(contains(status.message(), "has no partner")) << status.message();
  EXPECT_EQ(doc.editor.Text(), u"kept");
  EXPECT_TRUE(folder.unchanged());
}

TEST(BadInput, IsciiImportSaysHowManyBytesIsciiDoesNotDefine) {
  DocumentFixture doc;
  doc.context.defaults.punjabi = "AnmolLipi";
  BadFileFolder folder("undefined.aci");
  folder.take_snapshot();
  ASSERT_TRUE(ImportISCIIFile(doc.context, folder.path()));
  EXPECT_EQ(doc.prompter.messages,
            std::vector<std::string>{"3 bytes of the file are not ISCII characters and were imported as '?'."});
  EXPECT_TRUE(folder.unchanged());
}

TEST(BadInput, DamagedSettingsFileIsReportedAndKept) {
  struct Case {
    const char* file;
    const char* message_part;
  };
  const Case cases[] = {
      {"filearch_missing_lines", "line 9 should hold a number"},
      {"filearch_garbage_numbers", "line 4 should hold a number but holds \"sixteen\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    BadFileFolder folder(c.file, kSettingsFile);
    folder.dir().write(kMainWordList, "");
    folder.take_snapshot();
    Workspace ws;
    MemoryEditor editor;
    FakePrompter prompter;
    EXPECT_EQ(load_startup_state(ws, folder.dir().path(), editor, prompter), CreationResult::SettingsError);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_TRUE(contains(prompter.errors[0], c.message_part)) << prompter.errors[0];
    EXPECT_FALSE(write_back_at_close(ws));
    EXPECT_TRUE(folder.unchanged());
  }
}

TEST(BadInput, DamagedTableIsRefused) {
  BadFileFolder folder("damaged.db");
  folder.take_snapshot();
  SqliteTable table(folder.path().string());
  const Status status = table.Open();
  ASSERT_FALSE(status);
  EXPECT_TRUE(contains(status.message(), "damaged.db")) << status.message();
  EXPECT_TRUE(contains(status.message(), "the file is damaged")) << status.message();
  EXPECT_TRUE(folder.unchanged());
}

struct CliRun {
  bool exited = false;  // false when a signal ended it
  int status = -1;
  std::string err;
};

// quilm-cli ARGUMENTS < input, in the folder's temporary place.
CliRun run_cli(const BadFileFolder& folder, const std::string& arguments, const fs::path& input) {
  const fs::path err = folder.dir() / "stderr";
  const std::string command = std::string(QUILM_CLI) + " " + arguments + " <'" + input.string() + "' >/dev/null 2>'" +
                              err.string() + "'";
  const int raw = std::system(command.c_str());
  CliRun run;
  run.exited = WIFEXITED(raw) && WEXITSTATUS(raw) < 128;  // the shell gives 128+N for a signal
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = folder.dir().read("stderr");
  fs::remove(err);
  return run;
}

TEST(BadInput, CommandLineToolGivesOneLineMessage) {
  struct Case {
    const char* file;
    std::string arguments;  // FILE stands for the bad file
    int status;
    const char* message_part;
  };
  const Case cases[] = {
      {"damaged.db", "table dump FILE", 1, "the file is damaged"},
      {"broken_surrogate.txt", "convert --from unicode --to AnmolLipi --utf16", 1, "has no partner"},
      {"junk.rtf", "convert --from unicode --to AnmolLipi", 1, "not UTF-8"},
      {"undefined.aci", "convert --from iscii --to unicode", 0, "3 bytes of the input are not ISCII characters"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    BadFileFolder folder(c.file);
    folder.take_snapshot();
    std::string arguments = c.arguments;
    if (const auto at = arguments.find("FILE"); at != std::string::npos) arguments.replace(at, 4, folder.path().string());
    const CliRun run = run_cli(folder, arguments, folder.path());
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_TRUE(contains(run.err, c.message_part)) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(folder.unchanged());
  }
}

TEST(BadInput, BrokenDbaseTablesAreRefusedAndWriteNothing) {
  struct Case {
    const char* file;
    const char* memo;  // copied beside it, or nullptr
    const char* message_part;
  };
  const Case cases[] = {
      {"dbase_truncated.dbf", nullptr, "the file is cut short: the header promises 3 records, the file holds 2"},
      {"dbase_lying_header.dbf", nullptr, "the header says a record is 40 bytes, but its fields make 11"},
      {"dbase_bad_memo.dbf", "dbase_bad_memo.dbt", "a memo block number (99) lies outside the memo file"},
      {"junk.txt", nullptr, "not a dBase III or IV table"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    BadFileFolder folder(c.file, "table.dbf");
    if (c.memo) fs::copy_file(kBadInput / c.memo, folder.dir() / "table.dbt");
    folder.take_snapshot();
    const fs::path table = folder.dir() / "imported.db";
    const CliRun run = run_cli(folder, "import-table '" + folder.path().string() + "' --into '" + table.string() + "'",
                               folder.path());
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(contains(run.err, c.message_part)) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(folder.unchanged()) << "no table and no partial file are left";
  }
}

TEST(BadInput, DamagedWordListIsRefusedWithTheLine) {
  struct Case {
    const char* file;
    const char* message_part;
  };
  const Case cases[] = {
      {"wlist_wrong_count.txt", "line 22: a word of 3 bytes in the section of length 2"},
      {"wlist_unsorted.txt", "line 21: the words of length 2 are not in ascending order"},
      {"wlist_truncated.txt", "but the file ends after 2"},
      {"wlist_long_line.txt", "line 20: a word of 8 bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    BadFileFolder folder(c.file, "WList.txt");
    folder.take_snapshot();
    const CliRun run = run_cli(folder, "spell check --data '" + folder.dir().path().string() + "'", folder.path());
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(contains(run.err, "Problem in reading the word list")) << run.err;
    EXPECT_TRUE(contains(run.err, c.message_part)) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(folder.unchanged());
  }
}

TEST(BadInput, PartlyReadDictionaryIsNeverWrittenBack) {
  BadFileFolder folder("dict_partial.dic");
  folder.take_snapshot();
  SpellLexicon lexicon;
  const Status st = lexicon.LoadExtraDictionary(folder.path());
  EXPECT_TRUE(contains(st.message(), "Problem in additional dictionary")) << st.message();
  EXPECT_TRUE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));  // what was read is used
  lexicon.add_punjabi_word("xy");
  EXPECT_FALSE(lexicon.save_additional_dictionary());
  EXPECT_TRUE(folder.unchanged());
}

TEST(BadInput, DamagedIgnoreListIsReported) {
  BadFileFolder folder("ignore_long_word.txt");
  folder.take_snapshot();
  SpellLexicon lexicon;
  const Status st = lexicon.LoadIgnoreList(folder.path());
  EXPECT_TRUE(contains(st.message(), "Problem in reading ignore list")) << st.message();
  EXPECT_TRUE(contains(st.message(), "longer than 16 bytes")) << st.message();
  EXPECT_TRUE(folder.unchanged());
}

}  // namespace
}  // namespace quilm::test

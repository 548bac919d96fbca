// Insert, edit, post, cancel and delete; what later searches and moves see.
#include <sys/wait.h>
#include <unistd.h>

#include "tests/tables/word_table.h"

namespace quilm::test {
namespace {

using ChangeTest = WordTable;

Status insert_word(Table& table, const Bytes& word, int frequency, int length) {
  if (Status s = table.Insert(); !s) return s;
  table.SetFieldByName("Word", word);
  table.SetFieldByName("Frequency", frequency);
  table.SetFieldByName("Length", length);
  return table.Post();
}

Bytes current_word(const Table& table) { return table.FieldByName("Word").as_text(); }

TEST_F(ChangeTest, PostedRecordIsFoundAndWalkedAtOnce) {
  const Status posted = insert_word(table, "gha", 5, 3);
  ASSERT_TRUE(posted) << posted.message();
  EXPECT_EQ(table.State(), TableState::Browse);
  EXPECT_EQ(current_word(table), "gha");
  table.Next();
  EXPECT_EQ(current_word(table), "ka");

  EXPECT_TRUE(table.FindKey({"gha"}));
  ASSERT_TRUE(table.SetIndexName("F"));
  EXPECT_TRUE(table.FindKey({5}));
  EXPECT_EQ(current_word(table), "gha");
  EXPECT_EQ(hex(walk_field(table, "Word")), hex(std::vector<Bytes>{"gha", "kha", "\x80", "ga", "\xFF\x01", "ka"}));
  EXPECT_EQ(table.RecordCount(), 6);
}

TEST_F(ChangeTest, EditMovesTheRecordToItsNewPlace) {
  struct Case {
    const char* label;
    const char* index_name;
    Bytes word;
    const char* field;
    FieldValue value;
    std::vector<Bytes> order;
    Bytes next;  // the record after the edited one
  };
  const Case cases[] = {
      {"primary key changed", "", "ga", "Word", "la", {"ka", "kha", "la", "\x80", "\xFF\x01"}, "\x80"},
      {"indexed number changed", "F", "kha", "Frequency", 40, {"\x80", "ga", "\xFF\x01", "ka", "kha"}, "kha"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    make_table(dir / "Edit.db", kWordSchema, word_rows());
    SqliteTable edited((dir / "Edit.db").string());
    ASSERT_TRUE(edited.Open());
    ASSERT_TRUE(edited.FindKey({c.word}));
    ASSERT_TRUE(edited.SetIndexName(c.index_name));
    ASSERT_TRUE(edited.Edit());
    ASSERT_TRUE(edited.SetFieldByName(c.field, c.value));
    ASSERT_TRUE(edited.Post());
    EXPECT_EQ(edited.FieldByName(c.field), c.value);
    edited.Next();
    EXPECT_EQ(hex(current_word(edited)), hex(c.next));
    EXPECT_EQ(hex(walk_field(edited, "Word")), hex(c.order));
  }
}

TEST_F(ChangeTest, OldKeyIsGoneAfterAnEdit) {
  ASSERT_TRUE(table.FindKey({"ga"}));
  ASSERT_TRUE(table.Edit());
  ASSERT_TRUE(table.SetFieldByName("Word", "la"));
  ASSERT_TRUE(table.Post());
  EXPECT_FALSE(table.FindKey({"ga"}));
  EXPECT_TRUE(table.FindKey({"la"}));
}

TEST_F(ChangeTest, CancelDropsTheChange) {
  struct Case {
    const char* label;
    Status (Table::*start)();
  };
  const Case cases[] = {{"insert", &Table::Insert}, {"append", &Table::Append}, {"edit", &Table::Edit}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(table.FindKey({"kha"}));
    ASSERT_TRUE((table.*c.start)());
    ASSERT_TRUE(table.SetFieldByName("Word", "zz"));
    ASSERT_TRUE(table.SetFieldByName("Frequency", 99));
    EXPECT_EQ(current_word(table), "zz");  // the record being changed
    table.Cancel();
    EXPECT_EQ(table.State(), TableState::Browse);
    EXPECT_EQ(current_word(table), "kha");
    EXPECT_EQ(table.FieldByName("Frequency").as_integer(), 10);
    EXPECT_FALSE(table.FindKey({"zz"}));
    EXPECT_EQ(table.RecordCount(), 5);
  }
}

TEST_F(ChangeTest, DeleteGoesToTheNextRecord) {
  struct Case {
    const char* label;
    Bytes word;
    Bytes then_on;
    std::vector<Bytes> left;
  };
  const Case cases[] = {
      {"a middle record", "ka", "kha", {"ga", "kha", "\x80", "\xFF\x01"}},
      {"the last record", "\xFF\x01", "\x80", {"ga", "kha", "\x80"}},
      {"the first record", "ga", "kha", {"kha", "\x80"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(table.FindKey({c.word}));
    ASSERT_TRUE(table.Delete());
    EXPECT_EQ(hex(current_word(table)), hex(c.then_on));
    EXPECT_FALSE(table.Eof());
    EXPECT_FALSE(table.FindKey({c.word}));
    EXPECT_EQ(hex(walk_field(table, "Word")), hex(c.left));
  }
  table.First();
  ASSERT_TRUE(table.Delete());
  ASSERT_TRUE(table.Delete());
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_TRUE(table.Eof() && table.Bof());
}

TEST_F(ChangeTest, SecondRecordWithTheSameKeyIsRefused) {
  const Status posted = insert_word(table, "ka", 1, 2);
  ASSERT_FALSE(posted);
  EXPECT_NE(posted.message().find("key violation"), std::string::npos) << posted.message();
  EXPECT_NE(posted.message().find("Words.db"), std::string::npos) << posted.message();
  EXPECT_EQ(table.State(), TableState::Insert);
  table.Cancel();
  ASSERT_TRUE(table.FindKey({"ka"}));
  EXPECT_EQ(table.FieldByName("Frequency").as_integer(), 30);
  EXPECT_EQ(table.RecordCount(), 5);
}

TEST_F(ChangeTest, MovingWhileEditingPostsTheChange) {
  ASSERT_TRUE(table.FindKey({"ka"}));
  ASSERT_TRUE(table.Edit());
  ASSERT_TRUE(table.SetFieldByName("Frequency", "99"));
  table.Next();
  EXPECT_EQ(table.State(), TableState::Browse);
  ASSERT_TRUE(table.FindKey({"ka"}));
  EXPECT_EQ(table.FieldByName("Frequency").as_integer(), 99);
}

TEST_F(ChangeTest, FieldWritesThatAreRefused) {
  struct Case {
    const char* label;
    bool editing;
    const char* field;
    FieldValue value;
    const char* message_part;
  };
  const Case cases[] = {
      {"not editing", false, "Frequency", 1, "no record is being edited"},
      {"unknown field", true, "Count", 1, "no field \"Count\""},
      {"word into a number field", true, "Frequency", "many", "\"many\" is not a valid integer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    if (c.editing) {
      ASSERT_TRUE(table.Edit());
    }
    const Status written = table.SetFieldByName(c.field, c.value);
    ASSERT_FALSE(written);
    EXPECT_NE(written.message().find(c.message_part), std::string::npos) << written.message();
    table.Cancel();
  }
}

TEST_F(ChangeTest, PostedRecordsAreInTheFile) {
  ASSERT_TRUE(insert_word(table, "gha", 5, 3));
  table.Close();
  SqliteTable reopened((dir / "Words.db").string());
  ASSERT_TRUE(reopened.Open());
  EXPECT_TRUE(reopened.FindKey({"gha"}));
  EXPECT_EQ(reopened.FieldByName("Frequency").as_integer(), 5);
}

TEST_F(ChangeTest, RolledBackPostsAreGoneCommittedOnesStay) {
  ASSERT_TRUE(table.StartTransaction());
  ASSERT_TRUE(insert_word(table, "a1", 1, 2));
  ASSERT_TRUE(insert_word(table, "a2", 1, 2));
  EXPECT_TRUE(table.FindKey({"a1"}));  // seen inside the transaction
  table.Rollback();
  EXPECT_FALSE(table.FindKey({"a1"}));
  EXPECT_EQ(table.RecordCount(), 5);
  EXPECT_EQ(current_word(table), "ga");

  ASSERT_TRUE(table.StartTransaction());
  ASSERT_TRUE(insert_word(table, "a3", 1, 2));
  ASSERT_TRUE(table.Commit());
  SqliteTable other((dir / "Words.db").string());
  ASSERT_TRUE(other.Open());
  EXPECT_TRUE(other.FindKey({"a3"}));
}

TEST_F(ChangeTest, AnotherTableOnTheFileSeesPostsOnItsNextMove) {
  SqliteTable other((dir / "Words.db").string());
  ASSERT_TRUE(other.Open());
  EXPECT_EQ(walk_field(other, "Word").size(), 5u);
  other.First();
  ASSERT_TRUE(insert_word(table, "gha", 5, 3));
  other.Next();
  EXPECT_EQ(current_word(other), "gha");
  EXPECT_EQ(walk_field(other, "Word").size(), 6u);
}

// The writer dies inside a transaction after enough posts that SQLite had to
// write pages of the file, which leaves a hot journal; the next open rolls
// the file back to the records it held before.
TEST_F(ChangeTest, WritesCutOffByACrashLeaveTheOldRecords) {
  const std::string path = (dir / "Words.db").string();
  table.Close();  // no SQLite state on the file may cross the fork
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SqliteTable writer(path);
    if (!writer.Open() || !writer.StartTransaction()) ::_exit(1);
    const Bytes padding(400, 'x');  // a few MB in all, more than SQLite's page cache holds
    for (int i = 0; i < 8000; ++i)
      if (!insert_word(writer, std::to_string(i) + padding, i, 5)) ::_exit(1);
    if (!writer.FindKey({"ka"}) || !writer.Edit() || !writer.SetFieldByName("Frequency", 1) || !writer.Post())
      ::_exit(1);
    ::_exit(0);  // neither commit nor close, as when the power fails
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(std::filesystem::exists(path + "-journal"));

  ASSERT_TRUE(table.Open());
  EXPECT_EQ(table.RecordCount(), 5);
  ASSERT_TRUE(table.FindKey({"ka"}));
  EXPECT_EQ(table.FieldByName("Frequency").as_integer(), 30);
  EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
}

TEST(TableChanges, EditingAnEmptyTableStartsANewRecord) {
  TempDir dir;
  make_table(dir / "Empty.db", kWordSchema, {});
  SqliteTable table((dir / "Empty.db").string());
  ASSERT_TRUE(table.Open());
  ASSERT_TRUE(table.Edit());
  EXPECT_EQ(table.State(), TableState::Insert);
  ASSERT_TRUE(table.SetFieldByName("Word", "ka"));
  ASSERT_TRUE(table.Post());
  EXPECT_EQ(table.RecordCount(), 1);
}

TEST_F(ChangeTest, DisabledControlsHearNothingUntilTheLastEnable) {
  int calls = 0;
  table.SetOnChange([&calls] { ++calls; });
  table.Next();
  EXPECT_EQ(calls, 1);
  table.DisableControls();
  table.DisableControls();
  table.Next();
  ASSERT_TRUE(insert_word(table, "gha", 5, 3));
  table.EnableControls();
  EXPECT_TRUE(table.ControlsDisabled());
  EXPECT_EQ(calls, 1);
  table.EnableControls();
  EXPECT_FALSE(table.ControlsDisabled());
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace quilm::test

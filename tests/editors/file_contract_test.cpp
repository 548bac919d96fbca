// Loading and saving by format code, in memory and as files, for every Editor.
#include "common/file_io.h"
#include "tests/editors/editor_contract.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

const CharFormat kGurmukhi = font("GurbaniAkhar", 16);

// Loads `bytes` into the editor both ways, from memory and from a file.
struct LoadRoute {
  const char* label;
  std::function<Status(Editor&, const TempDir&, BytesView, FormatCode)> load;
};
const LoadRoute kLoadRoutes[] = {
    {"from memory", [](Editor& e, const TempDir&, BytesView bytes, FormatCode f) { return e.LoadFromMemory(bytes, f); }},
    {"from a file",
     [](Editor& e, const TempDir& dir, BytesView bytes, FormatCode f) {
       dir.write("loaded", bytes);
       return e.LoadFile(dir / "loaded", f);
     }},
};

TEST_P(EditorContract, LoadedBytesBecomeText) {
  struct Case {
    const char* label;
    FormatCode format;
    const char* hex;
    std::u16string text;
  };
  const Case cases[] = {
      {"8-bit: a byte is the character of its code", FormatCode::PlainText, "80 93 A0 FF", u"\u0080\u0093\u00A0\u00FF"},
      {"8-bit: CR LF, LF and CR", FormatCode::PlainText, "61 0D 0A 62 0A 63 0D 64", u"a\rb\rc\rd"},
      {"8-bit: a line end at the end", FormatCode::PlainText, "61 0D 0A", u"a\r"},
      {"8-bit: empty lines", FormatCode::PlainText, "0D 0A 0D 0A 61", u"\r\ra"},
      {"8-bit: nothing", FormatCode::PlainText, "", u""},
      {"Unicode: little-endian mark", FormatCode::Unicode, "FF FE 15 0A 41 00", u"\u0A15A"},
      {"Unicode: no mark", FormatCode::Unicode, "15 0A 41 00", u"\u0A15A"},
      {"Unicode: big-endian mark", FormatCode::Unicode, "FE FF 0A 15 00 41", u"\u0A15A"},
      {"Unicode: line ends", FormatCode::Unicode, "FF FE 61 00 0D 00 0A 00 62 00 0A 00 63 00 0D 00 64 00",
       u"a\rb\rc\rd"},
      {"Unicode: U+0093 stays itself", FormatCode::Unicode, "FF FE 93 00 1C 20", u"\u0093\u201C"},
      {"Unicode: a surrogate pair", FormatCode::Unicode, "FF FE 3D D8 00 DE", u"\U0001F600"},
      {"Unicode: only the mark", FormatCode::Unicode, "FF FE", u""},
  };
  const TempDir dir;
  for (const LoadRoute& route : kLoadRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(route.label) + ": " + c.label);
      e.Clear();
      ASSERT_TRUE(route.load(e, dir, from_hex(c.hex), c.format));
      EXPECT_EQ(e.Text(), c.text);
    }
  }
}

TEST_P(EditorContract, SavedTextBecomesBytes) {
  struct Case {
    const char* label;
    FormatCode format;
    std::u16string text;
    const char* hex;
  };
  const Case cases[] = {
      {"8-bit: a paragraph break is CR LF", FormatCode::PlainText, u"a\rb\r", "61 0D 0A 62 0D 0A"},
      {"8-bit: a character is the byte of its code", FormatCode::PlainText, u"\u0080\u0093\u00FF", "80 93 FF"},
      {"8-bit: nothing", FormatCode::PlainText, u"", ""},
      {"Unicode: little-endian with a mark", FormatCode::Unicode, u"a\r\u0A15", "FF FE 61 00 0D 00 0A 00 15 0A"},
      {"Unicode: a surrogate pair", FormatCode::Unicode, u"\U0001F600", "FF FE 3D D8 00 DE"},
      {"Unicode: nothing", FormatCode::Unicode, u"", "FF FE"},
      {"bytes: one a character, the low byte", FormatCode::Bytes, u"a\r\u0A15\u0093", "61 0D 15 93"},
  };
  const TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    e.Clear();
    e.SetSelText(c.text);
    Bytes out;
    ASSERT_TRUE(e.SaveToMemory(c.format, out));
    EXPECT_EQ(to_hex(out), c.hex);
    if (c.format == FormatCode::Bytes) continue;  // memory only
    dir.write("saved", "an older file");
    ASSERT_TRUE(e.SaveFile(dir / "saved", c.format));
    EXPECT_EQ(to_hex(dir.read("saved")), c.hex);
  }
}

// Every byte from 0x20 up, sixteen to a line, lines ending in CR LF.
Bytes high_and_low_bytes() {
  Bytes bytes;
  for (int b = 0x20; b <= 0xFF; ++b) {
    bytes.push_back(static_cast<char>(b));
    if (b % 16 == 15) bytes += "\r\n";
  }
  return bytes;
}

TEST_P(EditorContract, EveryByteComesBackThroughEachFormat) {
  const Bytes original = high_and_low_bytes();
  ASSERT_TRUE(e.LoadFromMemory(original, FormatCode::PlainText));
  const std::u16string text = e.Text();
  Bytes plain, unicode, image;
  ASSERT_TRUE(e.SaveToMemory(FormatCode::PlainText, plain));
  EXPECT_EQ(to_hex(plain), to_hex(original));

  ASSERT_TRUE(e.SaveToMemory(FormatCode::Unicode, unicode));
  const std::unique_ptr<Editor> other = make_editor();
  ASSERT_TRUE(other->LoadFromMemory(unicode, FormatCode::Unicode));
  EXPECT_EQ(other->Text(), text);
  ASSERT_TRUE(other->SaveToMemory(FormatCode::PlainText, plain));
  EXPECT_EQ(to_hex(plain), to_hex(original));

  ASSERT_TRUE(other->SaveToMemory(FormatCode::Bytes, image));
  Bytes expected_image = original;
  std::erase(expected_image, '\n');
  EXPECT_EQ(to_hex(image), to_hex(expected_image));
}

TEST_P(EditorContract, EightBitTextRefusesCharactersItCannotHold) {
  e.SetSelText(u"ab\u0A15");
  Bytes out = "untouched";
  const Status in_memory = e.SaveToMemory(FormatCode::PlainText, out);
  EXPECT_FALSE(in_memory.ok());
  EXPECT_NE(in_memory.message().find("U+0A15"), std::string::npos) << in_memory.message();
  EXPECT_EQ(out, "untouched");

  const TempDir dir;
  dir.write("old.txt", "old");
  const Status to_file = e.SaveFile(dir / "old.txt", FormatCode::PlainText);
  EXPECT_FALSE(to_file.ok());
  EXPECT_NE(to_file.message().find("old.txt"), std::string::npos) << to_file.message();
  EXPECT_EQ(dir.read("old.txt"), "old");
}

// What a failed load must leave as it found it.
struct Untouched {
  std::vector<TextRun> runs;
  int caret;
  bool modified, can_undo;
  bool operator==(const Untouched&) const = default;
};
Untouched state_of(const Editor& e) { return {e.Runs(), e.SelStart(), e.Modified(), e.CanUndo()}; }

TEST_P(EditorContract, BrokenUnicodeIsRefusedAndTheDocumentStays) {
  struct Case {
    const char* label;
    const char* hex;
  };
  const Case cases[] = {
      {"odd count after a mark", "FF FE 41 00 42"},
      {"odd count without a mark", "41 00 42"},
      {"high surrogate before a letter", "FF FE 3D D8 41 00"},
      {"high surrogate at the end", "FF FE 41 00 3D D8"},
      {"low surrogate alone", "FF FE 00 DE 41 00"},
      {"big-endian low surrogate alone", "FE FF DE 00"},
  };
  type(e, u"keep\rthis", kGurmukhi);
  e.SetSelStart(2);
  e.SetModified(false);
  const Untouched before = state_of(e);
  const TempDir dir;
  for (const LoadRoute& route : kLoadRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(route.label) + ": " + c.label);
      const Status status = route.load(e, dir, from_hex(c.hex), FormatCode::Unicode);
      EXPECT_FALSE(status.ok());
      EXPECT_NE(status.message().find("UTF-16"), std::string::npos) << status.message();
      EXPECT_EQ(state_of(e), before);
    }
  }
}

TEST_P(EditorContract, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
  const TempDir dir;
  std::filesystem::create_directory(dir / "folder");
  type(e, u"keep", kGurmukhi);
  const Untouched before = state_of(e);
  for (const char* name : {"missing.txt", "folder"}) {
    SCOPED_TRACE(name);
    const Status status = e.LoadFile(dir / name, FormatCode::PlainText);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find((dir / name).string()), std::string::npos) << status.message();
    EXPECT_EQ(state_of(e), before);
  }
}

TEST_P(EditorContract, LoadedTextTakesTheCurrentFormat) {
  const TempDir dir;
  for (const LoadRoute& route : kLoadRoutes) {
    SCOPED_TRACE(route.label);
    e.Clear();
    e.SetFormat(kGurmukhi);
    ASSERT_TRUE(route.load(e, dir, "ab\r\ncd", FormatCode::PlainText));
    EXPECT_EQ(e.Runs(), (std::vector<TextRun>{{u"ab\rcd", kGurmukhi}}));
    EXPECT_EQ(paragraph_alignments(e), (std::vector<Alignment>{Alignment::Left, Alignment::Left}));
  }
}

TEST_P(EditorContract, LoadingAFileStartsFreshLoadingFromMemoryIsAnEdit) {
  const TempDir dir;
  dir.write("doc.txt", "from a file");
  e.SetSelText(u"before");
  ASSERT_TRUE(e.LoadFile(dir / "doc.txt", FormatCode::PlainText));
  EXPECT_EQ(e.Text(), u"from a file");
  EXPECT_EQ(e.SelStart(), 0);
  EXPECT_FALSE(e.Modified());
  EXPECT_FALSE(e.CanUndo());

  ASSERT_TRUE(e.LoadFromMemory("from memory", FormatCode::PlainText));
  EXPECT_EQ(e.Text(), u"from memory");
  EXPECT_EQ(e.SelStart(), 0);
  EXPECT_TRUE(e.Modified());
  e.Undo();
  EXPECT_EQ(e.Text(), u"from a file");
}

// The rich formats are tested with their readers and writers
// (tests/formats); here the codes that no file can use.
TEST_P(EditorContract, FormatsThatNoFileUsesAreRefusedAndChangeNothing) {
  struct Case {
    const char* label;
    int code;
    const char* says;
  };
  const Case cases[] = {
      {"no format 2", 2, "Unknown"},
      {"bytes are memory only", 7, "memory"},
  };
  const TempDir dir;
  e.SetSelText(u"keep");
  const Untouched before = state_of(e);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const FormatCode format = static_cast<FormatCode>(c.code);
    dir.write("file", "old");
    const Status loaded = e.LoadFile(dir / "file", format);
    EXPECT_FALSE(loaded.ok());
    EXPECT_FALSE(e.LoadFromMemory("new", format).ok());
    const Status saved = e.SaveFile(dir / "file", format);
    EXPECT_FALSE(saved.ok());
    EXPECT_NE(saved.message().find(c.says), std::string::npos) << saved.message();
    EXPECT_EQ(dir.read("file"), "old");
    Bytes out;
    if (format != FormatCode::Bytes) {
      EXPECT_FALSE(e.SaveToMemory(format, out).ok());
    }
    EXPECT_EQ(state_of(e), before);
  }
}

TEST_P(EditorContract, PageNumbersTravelWithTheProgramsOwnFiles) {
  TempDir dir;
  const PageNumbering numbers{PageNumberPlace::Footer, Alignment::Right, 7};
  for (const FormatCode format : {FormatCode::Pbi, FormatCode::Xml}) {
    SCOPED_TRACE(static_cast<int>(format));
    auto source = make_editor();
    type(*source, u"text", font("Arial"));
    source->SetPageNumbers(numbers);
    const auto path = dir.path() / "numbered.pbi";
    ASSERT_TRUE(source->SaveFile(path, format));

    auto copy = make_editor();
    ASSERT_TRUE(copy->LoadFile(path, format));
    EXPECT_EQ(copy->PageNumbers(), numbers);

    auto plain = make_editor();  // a file without page numbers has none
    ASSERT_TRUE(plain->SaveFile(path, format));
    ASSERT_TRUE(copy->LoadFile(path, format));
    EXPECT_EQ(copy->PageNumbers(), PageNumbering{});
  }
}

}  // namespace
}  // namespace quilm::test

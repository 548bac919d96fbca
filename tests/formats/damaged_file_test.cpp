// Damaged and foreign files are refused with a message that says what is
// wrong, and the open document stays as it was.
#include <gtest/gtest.h>

#include "formats/document_format.h"
#include "editors/memory_editor.h"
#include "tests/formats/format_samples.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

struct Damaged {
  const char* label;
  FormatCode format;
  const char* bytes;
  const char* message;  // a part of the message
};

const Damaged kDamaged[] = {
    {"RTF without its header", FormatCode::Rtf, "hello", "does not start with {\\rtf"},
    {"Word document that is junk", FormatCode::Word, "siq nwmu \xC2\xA1", "not a Word document"},
    {"RTF cut short", FormatCode::Rtf, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 some text", "never closed"},
    {"RTF with a bad byte escape", FormatCode::Rtf, "{\\rtf1 a\\'g1}", "two hexadecimal digits"},
    {"document that is not XML", FormatCode::Pbi, "{\\rtf1 a}", "no <quilm-document> element"},
    {"document of another version", FormatCode::Pbi, "<quilm-document version=\"2\"></quilm-document>",
     "version"},
    {"document cut short", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><run font=\"A\">abc", "never closed"},
    {"paragraph without an alignment", FormatCode::Xml,
     "<quilm-document version=\"1\"><alignments>left</alignments><run>a<br/>b</run></quilm-document>",
     "2 paragraphs but 1 alignments"},
    {"run of a bad size", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><run size=\"big\">a</run></quilm-document>",
     "size \"big\""},
    {"unknown element", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><table/></quilm-document>", "<table>"},
    {"bytes that are not UTF-8", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><run>\x93</run></quilm-document>", "not UTF-8"},
    {"font name with a surrogate but not its partner", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><run font=\"&#xD800;\">a</run></quilm-document>",
     "surrogate without its partner"},
    {"paragraph format past the last paragraph", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><paragraph index=\"3\" left=\"5\"/>"
     "<run>a</run></quilm-document>",
     "paragraph 4"},
    {"paragraph of an unknown list kind", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><paragraph index=\"0\" list=\"3\"/>"
     "<run>a</run></quilm-document>",
     "list or frame kind"},
    {"paragraph with tab stops out of order", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><paragraph index=\"0\" tabs=\"720 360\"/>"
     "<run>a</run></quilm-document>",
     "tab stops"},
    {"page numbers in an unknown place", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments>"
     "<page-numbers place=\"margin\" alignment=\"left\" first=\"1\"/><run>a</run></quilm-document>",
     "<page-numbers>"},
    {"unknown entity", FormatCode::Pbi,
     "<quilm-document version=\"1\"><alignments>left</alignments><run>&bogus;</run></quilm-document>",
     "&bogus;"},
};

TEST(DamagedFiles, AreRefusedWithAMessageThatSaysWhy) {
  for (const Damaged& c : kDamaged) {
    SCOPED_TRACE(c.label);
    Document doc = rich_sample();
    const Status s = read_document(c.format, c.bytes, CharFormat{}, doc);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.message().find(c.message), std::string::npos) << s.message();
    EXPECT_EQ(doc, rich_sample());
  }
}

TEST(DamagedFiles, LeaveTheOpenDocumentAsItWas) {
  TempDir dir;
  MemoryEditor editor;
  editor.SetSelText(u"the open document");
  editor.SetDocumentValue(0, 777);
  for (const Damaged& c : kDamaged) {
    SCOPED_TRACE(c.label);
    dir.write("damaged", c.bytes);
    const Status loaded = editor.LoadFile(dir / "damaged", c.format);
    ASSERT_FALSE(loaded.ok());
    EXPECT_NE(loaded.message().find("damaged"), std::string::npos) << "the message names the file";
    const Status from_memory = editor.LoadFromMemory(c.bytes, c.format);
    ASSERT_FALSE(from_memory.ok());
    EXPECT_EQ(editor.Text(), u"the open document");
    EXPECT_EQ(editor.DocumentValue(0), 777);
  }
}

TEST(DamagedFiles, PageValuesTravelWithTheFile) {
  TempDir dir;
  MemoryEditor editor;
  editor.SetSelText(u"text");
  for (int i = 0; i < Editor::kDocumentValues; ++i) editor.SetDocumentValue(i, 1000 + i);
  const FormatCode formats[] = {FormatCode::Pbi, FormatCode::Rtf, FormatCode::Xml};
  for (const FormatCode format : formats) {
    SCOPED_TRACE(format_name(format));
    ASSERT_TRUE(editor.SaveFile(dir / "saved", format).ok());
    MemoryEditor other;
    other.SetDocumentValue(3, 5);
    ASSERT_TRUE(other.LoadFile(dir / "saved", format).ok());
    for (int i = 0; i < Editor::kDocumentValues; ++i) EXPECT_EQ(other.DocumentValue(i), 1000 + i);
  }
  // A format without them leaves none behind from the document before.
  ASSERT_TRUE(editor.SaveFile(dir / "plain", FormatCode::PlainText).ok());
  ASSERT_TRUE(editor.LoadFile(dir / "plain", FormatCode::PlainText).ok());
  EXPECT_EQ(editor.DocumentValue(0), 0);
}

}  // namespace
}  // namespace quilm::test

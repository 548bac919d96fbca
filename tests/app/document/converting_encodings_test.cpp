// The Unicode and ISCII files of the File menu through the document
// conversions: written files, and failures returned to the document
// commands, which show them, instead of being shown here as well.
#include "app/document/converting_encodings.h"

#include <gtest/gtest.h>

#include "editors/memory_editor.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

TEST(ConvertingEncodings, SavesWriteTheFileAndReturnAFailureWithoutShowingIt) {
  using Save = Status (*)(ConvertingEncodings&, Editor&, const std::filesystem::path&);
  const Save unicode = [](ConvertingEncodings& e, Editor& editor, const std::filesystem::path& p) {
    return e.save_unicode(editor, p, {});
  };
  const Save utf8 = [](ConvertingEncodings& e, Editor& editor, const std::filesystem::path& p) {
    return e.save_unicode(editor, p, {kLinuxUtf8Form});
  };
  const Save iscii = [](ConvertingEncodings& e, Editor& editor, const std::filesystem::path& p) {
    return e.save_iscii(editor, p);
  };
  struct Case {
    const char* label;
    Save save;
    const char* file;
    Bytes written;  // empty: the save fails
  };
  const Case cases[] = {
      {"Unicode", unicode, "a.txt", Bytes("\xFF\xFE" "a\0b\0", 6)},
      {"Unicode UTF-8", utf8, "a.txt", "ab"},
      {"ISCII", iscii, "a.aci", "ab"},
      {"Unicode into a missing folder", unicode, "missing/a.txt", ""},
      {"ISCII into a missing folder", iscii, "missing/a.aci", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::TempDir dir;
    Workspace ws;
    test::FakePrompter prompter;
    MemoryEditor editor;
    editor.SetSelText(u"ab");
    ConvertingEncodings encodings(ws, prompter);
    const Status saved = c.save(encodings, editor, dir / c.file);
    EXPECT_EQ(saved.ok(), !c.written.empty());
    if (saved) {
      EXPECT_EQ(dir.read(c.file), c.written);
    } else {
      EXPECT_NE(saved.message().find("missing"), std::string::npos) << saved.message();
    }
    EXPECT_TRUE(prompter.errors.empty());
  }
}

TEST(ConvertingEncodings, AnImportThatCannotReadItsFileLeavesTheDocument) {
  test::TempDir dir;
  dir.write("odd.txt", Bytes("\xFF\xFE\x38", 3));
  Workspace ws;
  test::FakePrompter prompter;
  MemoryEditor editor;
  editor.SetSelText(u"kept");
  ConvertingEncodings encodings(ws, prompter);
  TextFileForm form;
  EXPECT_FALSE(encodings.import_unicode(editor, dir / "odd.txt", form));
  EXPECT_FALSE(encodings.import_iscii(editor, dir / "gone.aci"));
  EXPECT_EQ(editor.Text(), u"kept");
  EXPECT_TRUE(prompter.errors.empty());
}

}  // namespace
}  // namespace quilm

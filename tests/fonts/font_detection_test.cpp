// Scan detection and caret detection of the Gurmukhi font of a text, on the
// in-memory editor.
#include "fonts/font_detection.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editors/memory_editor.h"
#include "tests/support/fake_prompter.h"

namespace quilm {
namespace {

struct Piece {
  std::u16string text;
  std::string font;
};

// Types each piece in its font, then puts the caret back at the start.
void write(Editor& editor, const std::vector<Piece>& pieces) {
  for (const Piece& p : pieces) {
    editor.SetFontName(p.font);
    editor.SetSelText(p.text);
  }
  editor.Select(0, 0);
}

class FontDetectionTest : public ::testing::Test {
 protected:
  FontRegistry registry;
  MemoryEditor editor;
  test::FakePrompter prompter;
};

TEST_F(FontDetectionTest, ScanFindsTheFirstGurmukhiFontFromTheFirstEighthOn) {
  struct Case {
    const char* label;
    std::vector<Piece> pieces;
    int index;
    std::optional<std::string> message;
    int sel_start, sel_length;  // where the scan leaves the selection
  };
  const std::u16string eight = u"abcdefgh";
  const Case cases[] = {
      {"empty text", {}, 9, std::nullopt, 0, 0},
      {"no Gurmukhi font", {{u"Hello world", "Times New Roman"}}, 9, std::nullopt, 11, 0},
      {"a font without a name is no Gurmukhi font", {{u"plain", ""}}, 9, std::nullopt, 5, 0},
      {"unsupported Gurmukhi font",
       {{u"ਕਖ", "Times New Roman"}, {u"eyr", "GurmukhiLys 040"}},
       30, "GurmukhiLys 040   NOT Supported", 2, 1},
      {"supported font after Latin text",
       {{u"Dear ", "Arial"}, {u"eyr", "AnmolLipi"}}, 2, std::nullopt, 5, 1},
      {"Gurmukhi only in the first eighth is not seen",
       {{u"eh", "AnmolLipi"}, {eight + u"abcdef", "Times New Roman"}}, 9, std::nullopt, 16, 0},
      {"a run reaching into the scanned part is seen where the scan starts",
       {{u"eyrS", "Satluj"}, {eight + u"abcd", "Times New Roman"}}, 22, std::nullopt, 2, 1},
      {"the first recognised font decides, even when not supported",
       {{u"ab", "Arial"}, {u"eyr", "Ekta"}, {u"eyr", "AnmolLipi"}},
       30, "Ekta   NOT Supported", 2, 1},
      {"names compare exactly",
       {{u"ab", "quilm2010"}, {u"eyr", "Ekta "}}, 7, std::nullopt, 2, 1},
      {"paragraph breaks count one position",
       {{u"a\rb\r", "Arial"}, {u"k", "Prabhki"}}, 49, std::nullopt, 4, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    editor.Clear();
    prompter.messages.clear();
    write(editor, c.pieces);
    EXPECT_EQ(scan_detect_font(editor, kAutomaticDetection, registry, prompter), c.index);
    if (c.message) {
      EXPECT_EQ(prompter.messages, std::vector<std::string>{*c.message});
    } else {
      EXPECT_TRUE(prompter.silent());
    }
    EXPECT_EQ(editor.SelStart(), c.sel_start);
    EXPECT_EQ(editor.SelLength(), c.sel_length);
  }
}

TEST_F(FontDetectionTest, ChosenFontIsLookedUpWithoutScanning) {
  write(editor, {{u"abcdefgh", "Arial"}, {u"eyr", "AnmolLipi"}});
  editor.Select(3, 2);
  EXPECT_EQ(scan_detect_font(editor, "Satluj", registry, prompter), 22);
  EXPECT_EQ(scan_detect_font(editor, "PNB-TTAmar", registry, prompter), 30);
  EXPECT_TRUE(prompter.silent());
  EXPECT_EQ(editor.SelStart(), 3);
  EXPECT_EQ(editor.SelLength(), 2);
}

TEST_F(FontDetectionTest, FileConversionTellsThatAChosenFontIsNotSupported) {
  const auto show = ChosenFontMessage::ShowNotSupported;
  EXPECT_EQ(scan_detect_font(editor, "PNB-TTAmar", registry, prompter, show), 30);
  EXPECT_EQ(scan_detect_font(editor, "GurmukhiLys 020", registry, prompter, show), 9);
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"PNB-TTAmar   NOT Supported"});
}

TEST_F(FontDetectionTest, CaretDetection) {
  write(editor, {{u"ab", "Arial"}, {u"cd", "AnmolLipi"}, {u"ef", "Ekta"}, {u"gh", "Ekta "},
                 {u"ij", "GurmukhiLys 030"}, {u"kl", "Bulara"}});
  struct Case {
    int position;
    int index;
  };
  const Case cases[] = {
      {0, 9},   // not in the table
      {2, 2},
      {4, 9},   // in the table, not supported
      {6, 7},
      {8, 9},
      {10, 48},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    editor.Select(c.position, 1);
    EXPECT_EQ(caret_detect_font(editor, registry), c.index);
  }
}

}  // namespace
}  // namespace quilm

// The behaviour every Editor shows, whatever holds the document. The tests of
// *_contract_test.cpp are written once against this fixture and run on each
// implementation: the in-memory editor in quilm_editor_tests, the Qt editor in
// quilm_editor_qt_tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "editor/editor.h"

namespace quilm {

void PrintTo(const CharFormat& f, std::ostream* os);
void PrintTo(const TextRun& run, std::ostream* os);

namespace test {

struct EditorMaker {
  std::string name;
  std::function<std::unique_ptr<Editor>()> make;
};

class EditorContract : public ::testing::TestWithParam<EditorMaker> {
 protected:
  EditorContract() : editor_(GetParam().make()), e(*editor_) {}
  std::unique_ptr<Editor> make_editor() const { return GetParam().make(); }

 private:
  std::unique_ptr<Editor> editor_;

 protected:
  Editor& e;
};

void PrintTo(const EditorMaker& maker, std::ostream* os);
std::string maker_name(const ::testing::TestParamInfo<EditorMaker>& info);

// Formats the tests tell apart.
CharFormat font(const std::string& name, int size = 12);

// Types `text` at the caret in `format`.
void type(Editor& editor, std::u16string_view text, const CharFormat& format);
// The document as one format per character, for comparing in full.
std::vector<CharFormat> formats_per_character(const std::vector<TextRun>& runs);
// Alignment of every paragraph, read by putting the caret into it.
std::vector<Alignment> paragraph_alignments(Editor& editor);

// Byte strings written as "FF FE 41 00".
Bytes from_hex(std::string_view hex);
std::string to_hex(BytesView bytes);

}  // namespace test
}  // namespace quilm

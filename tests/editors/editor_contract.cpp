#include "tests/editors/editor_contract.h"

#include "tests/support/hex_text.h"

#include <cstdio>

namespace quilm {

void PrintTo(const CharFormat& f, std::ostream* os) {
  *os << "{" << f.font_name << " " << f.font_size << "pt" << (f.bold ? " bold" : "") << (f.italic ? " italic" : "")
      << (f.underline ? " underline" : "") << (f.strikethru ? " strikethru" : "") << std::hex << " fore " << f.fore_color
      << " back " << f.back_color << std::dec << "}";
}

void PrintTo(const TextRun& run, std::ostream* os) {
  *os << ::testing::PrintToString(run.text) << " ";
  PrintTo(run.format, os);
}

namespace test {

void PrintTo(const EditorMaker& maker, std::ostream* os) { *os << maker.name; }

std::string maker_name(const ::testing::TestParamInfo<EditorMaker>& info) { return info.param.name; }

CharFormat font(const std::string& name, int size) {
  CharFormat f;
  f.font_name = name;
  f.font_size = size;
  return f;
}

void type(Editor& editor, std::u16string_view text, const CharFormat& format) {
  editor.SetFormat(format);
  editor.SetSelText(std::u16string(text));
}

std::vector<CharFormat> formats_per_character(const std::vector<TextRun>& runs) {
  std::vector<CharFormat> formats;
  for (const TextRun& run : runs) formats.insert(formats.end(), run.text.size(), run.format);
  return formats;
}

std::vector<Alignment> paragraph_alignments(Editor& editor) {
  std::vector<Alignment> alignments;
  for (int line = 0; line < editor.LineCount(); ++line) {
    editor.SetSelStart(editor.LineStart(line));
    alignments.push_back(editor.ParagraphAlignment());
  }
  return alignments;
}

Bytes from_hex(std::string_view text) { return hex_text::bytes(text); }

std::string to_hex(BytesView b) { return hex_text::hex(b); }

}  // namespace test
}  // namespace quilm

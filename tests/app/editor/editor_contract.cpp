#include "tests/app/editor/editor_contract.h"

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

Bytes from_hex(std::string_view hex) {
  Bytes bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); ++i) {
    if (hex[i] == ' ') continue;
    bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    ++i;
  }
  return bytes;
}

std::string to_hex(BytesView bytes) {
  std::string hex;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char unit[4];
    std::snprintf(unit, sizeof unit, i == 0 ? "%02X" : " %02X", byte_at(bytes, i));
    hex += unit;
  }
  return hex;
}

}  // namespace test
}  // namespace quilm

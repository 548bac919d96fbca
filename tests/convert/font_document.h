// A document on the in-memory editor for the font conversion tests: text
// added piece by piece in named fonts (glyph bytes written as hexadecimal),
// and a document described run by run as "Font: HH HH" so that a failure
// shows which run and which bytes differ.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "convert/change_font.h"
#include "tests/convert/document_fixture.h"
#include "tests/fonts/conversion_hex.h"

namespace quilm::test {

// Pieces of a document: glyph bytes in hexadecimal and the font they are in.
using FontPieces = std::vector<std::pair<std::string, std::string>>;

// "Font: HH HH" per run, runs joined by " | "; a bold run is marked "Font+b".
inline std::string describe_runs(const Editor& editor) {
  std::string out;
  for (const TextRun& run : editor.Runs()) {
    Bytes bytes;
    for (char16_t c : run.text) bytes.push_back(static_cast<char>(c));
    if (!out.empty()) out += " | ";
    out += run.format.font_name + (run.format.bold ? "+b" : "") + ": " + to_hex(bytes);
  }
  return out;
}

inline void append_piece(Editor& editor, const std::string& hex_bytes, const std::string& font, bool bold = false) {
  editor.SetSelStart(editor.TextLength());
  FormatChange f;
  f.font_name = font;
  f.bold = bold;
  editor.ApplyFormat(f);
  std::u16string text;
  for (char b : hex(hex_bytes)) text.push_back(static_cast<unsigned char>(b));
  editor.SetSelText(text);
}

// Writes the pieces as an RTF file; false when it cannot.
inline bool write_rtf(const std::filesystem::path& path, const FontPieces& pieces) {
  MemoryEditor editor;
  for (const auto& [bytes, font] : pieces) append_piece(editor, bytes, font);
  return editor.SaveFile(path, FormatCode::Rtf).ok();
}

// The runs of an RTF file, described as above.
inline std::string describe_rtf(const std::filesystem::path& path) {
  const FontRegistry fonts;
  MemoryEditor editor;
  editor.SetLegacyFonts([&fonts](const std::string& name) { return fonts.check_font_punjabi(name); });
  if (!editor.LoadFile(path, FormatCode::Rtf).ok()) return "cannot load " + path.string();
  return describe_runs(editor);
}

struct FontDocument : DocumentFixture {
  int last_word_font_index = 0;

  FontDocument& add(const std::string& hex_bytes, const std::string& font, bool bold = false) {
    append_piece(editor, hex_bytes, font, bold);
    return *this;
  }

  FontConversionResult change_font(const std::string& destination,
                                   const std::string& source = std::string(kAutomaticDetection)) {
    return ChangeFont(context, {source, destination}, last_word_font_index);
  }

  std::string runs() const { return describe_runs(editor); }
};

}  // namespace quilm::test

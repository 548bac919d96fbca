// Conversions between fonts, Unicode, ISCII and Devanagari Unicode for
// quilm-cli convert. Every side reads or writes text in one legacy font: a
// Unicode or ISCII source is read into the destination font (the pivot
// encoding, 9, when the destination is not a font), exactly as the
// program's imports read it; a Unicode, ISCII or Devanagari destination is
// written from the source font as the exports write it. Line ends stay as
// they are.
#include "cli/convert_encodings.h"

#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>

#include "formats/unicode_text.h"
#include "cli/convert_blocks.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/progress.h"
#include "common/bytes.h"
#include "common/hex.h"
#include "encoding/devanagari.h"
#include "fonts/text_conversion.h"
#include "encoding/iscii.h"
#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "encoding/unicode_runs.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/font_index.h"
#include "fonts/gurmukhi_digits.h"

namespace quilm::cli {
namespace {

enum class Side { Font, Unicode, Iscii, Devanagari };

Side side_of(const std::string& name) {
  if (name == "unicode") return Side::Unicode;
  if (name == "iscii") return Side::Iscii;
  if (name == "devanagari") return Side::Devanagari;
  return Side::Font;
}

// Editor text (glyph bytes as U+0000..U+00FF, other characters as
// themselves) as output bytes: glyphs as bytes, other characters as UTF-8.
void append_font_text(std::u16string_view text, Bytes& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < 0x100) out.push_back(static_cast<char>(text[i]));
    else append_utf8(text.substr(i, 1), out);
  }
}

class Converter {
 public:
  Converter(const EncodingConversion& c, const FontConverter& fonts)
      : c_(c), fonts_(fonts), from_(side_of(c.from)), to_(side_of(c.to)),
        middle_(to_ == Side::Font ? c.to_font : font_index::kPivot) {}

  // The text of one line (without its line feed) in the middle font; false
  // with a message for a bad line.
  std::optional<Bytes> read_line(BytesView line, std::size_t number) const {
    Bytes bytes(line);
    if (c_.hex && from_ != Side::Unicode) {
      std::optional<Bytes> parsed = hex::parse_bytes(line);
      if (!parsed) return fail(number, "not a list of hexadecimal bytes");
      bytes = std::move(*parsed);
    }
    switch (from_) {
      case Side::Unicode: {
        std::size_t bad = 0;
        std::optional<std::u16string> text = from_utf8(line, &bad);
        if (!text) return fail(number, "not UTF-8 (byte " + std::to_string(bad + 1) + ")");
        return font_bytes(unicode_text_to_legacy(*text, middle_, fonts_));
      }
      case Side::Iscii: return iscii_text_to_legacy(bytes, middle_, fonts_);
      default: return to_ == Side::Font ? fonts_.conversion(bytes, c_.from_font, c_.to_font, false) : bytes;
    }
  }

  int middle_font() const { return from_ == Side::Font ? c_.from_font : middle_; }

  // Unicode into Unicode, Devanagari or ISCII: each Gurmukhi run through the
  // pivot encoding, every other character as it stands (as the import puts
  // it in the English font, from where the export takes it unchanged).
  bool direct() const { return from_ == Side::Unicode && to_ != Side::Font; }

  std::optional<Bytes> convert_direct(BytesView line, std::size_t number) const {
    std::size_t bad = 0;
    const std::optional<std::u16string> text = from_utf8(line, &bad);
    if (!text) return fail(number, "not UTF-8 (byte " + std::to_string(bad + 1) + ")");
    std::u16string unicode;
    Bytes out;
    for (const UnicodePiece& piece : split_unicode_runs(*text)) {
      if (piece.kind != UnicodePiece::Kind::Gurmukhi) {
        if (to_ != Side::Iscii) unicode += piece.text;
        else for (char16_t ch : piece.text) out.push_back(ch < 0x100 ? static_cast<char>(ch) : '?');
        continue;
      }
      const Bytes pivot = UniCodetoGur(piece.text);
      if (to_ == Side::Iscii) out += GurToISCII(pivot);
      else if (to_ == Side::Devanagari) GurToHindiUnicode(pivot, unicode);
      else GurToUnicode(pivot, unicode);
    }
    if (to_ == Side::Iscii) {
      Bytes written;
      write_bytes(out, written);
      return written;
    }
    if (c_.utf16) append_utf16le(unicode, out);
    else append_utf8(unicode, out);
    return out;
  }

  // Writes the middle text of one line in the destination's form.
  void write_line(BytesView text, std::u16string& unicode, Bytes& out) const {
    switch (to_) {
      case Side::Unicode:
      case Side::Devanagari: {
        const auto script = to_ == Side::Devanagari ? UnicodeScript::Devanagari : UnicodeScript::Gurmukhi;
        unicode = legacy_text_to_unicode(text, middle_font(), fonts_, script);
        if (c_.gurmukhi_digits) use_gurmukhi_digits(unicode);
        if (c_.utf16) append_utf16le(unicode, out);
        else append_utf8(unicode, out);
        return;
      }
      case Side::Iscii: return write_bytes(legacy_text_to_iscii(text, middle_font(), fonts_), out);
      case Side::Font: return write_bytes(text, out);
    }
  }

  void write_line_end(Bytes& out) const {
    if ((to_ == Side::Unicode || to_ == Side::Devanagari) && c_.utf16) append_utf16le(u"\n", out);
    else out.push_back('\n');
  }

 private:
  void write_bytes(BytesView bytes, Bytes& out) const {
    if (c_.hex) hex::append_bytes(bytes, out);
    else out += bytes;
  }

  // Editor text of the Unicode import as bytes of the middle font; characters
  // without a byte as UTF-8.
  static Bytes font_bytes(std::u16string_view text) {
    Bytes out;
    append_font_text(text, out);
    return out;
  }

  static std::nullopt_t fail(std::size_t number, const std::string& why) {
    std::fprintf(stderr, "quilm-cli convert: line %zu: %s\n", number, why.c_str());
    return std::nullopt;
  }

  const EncodingConversion& c_;
  const FontConverter& fonts_;
  Side from_, to_;
  int middle_;
};

// Standard input as UTF-8 lines: UTF-16LE input (--utf16) is turned into UTF-8
// first, so that every source is read line by line the same way.
std::optional<Bytes> input_text(const EncodingConversion& c, Bytes raw) {
  if (!(c.utf16 && side_of(c.from) == Side::Unicode)) return raw;
  std::optional<std::u16string> units = from_utf16le(raw);
  if (!units) {
    std::fprintf(stderr, "quilm-cli convert: UTF-16 input has an odd number of bytes\n");
    return std::nullopt;
  }
  const std::size_t first_byte = raw.substr(0, 2) == kUtf16Bom ? kUtf16Bom.size() : 0;
  if (Status paired = check_surrogate_pairs(*units, first_byte); !paired) {
    std::fprintf(stderr, "quilm-cli convert: %s\n", paired.message().c_str());
    return std::nullopt;
  }
  return to_utf8(*units);
}

// Such bytes are converted as question marks; the user is told how many.
void report_undefined_iscii_bytes(BytesView input) {
  if (const std::size_t undefined = undefined_iscii_bytes(input); undefined > 0)
    std::fprintf(stderr, "quilm-cli convert: %zu bytes of the input are not ISCII characters and became '?'\n",
                 undefined);
}

// Text between a legacy font and Unicode with nothing to check line by
// line converts as a whole (cli/convert_blocks.h); nullopt for any other
// conversion (hexadecimal bytes, Gurmukhi numerals), and for Unicode that
// is not UTF-8, whose message names the line.
std::optional<int> convert_whole_text(const EncodingConversion& c, BytesView input, const FontConverter& fonts) {
  if (c.hex || c.gurmukhi_digits) return std::nullopt;
  const Side from = side_of(c.from), to = side_of(c.to);
  Progress progress(input.size());
  bool written;
  if (from == Side::Font && to == Side::Unicode)
    written = write_legacy_as_unicode(input, c.from_font, c.utf16, fonts, progress);
  else if (from == Side::Unicode && to == Side::Font && !first_non_utf8_byte(input))
    written = write_utf8_as_legacy(input, c.to_font, fonts, progress);
  else
    return std::nullopt;
  if (written) return kSuccess;
  std::fprintf(stderr, "quilm-cli convert: cannot write standard output\n");
  return kBadInput;
}

}  // namespace

bool is_encoding_endpoint(const std::string& name) { return side_of(name) != Side::Font; }

int run_encoding_conversion(const EncodingConversion& c) {
  if (side_of(c.from) == Side::Devanagari) {
    std::fprintf(stderr, "quilm-cli convert: devanagari is a destination only\n");
    return kUsage;
  }
  std::optional<Bytes> raw = read_input("convert", "");
  if (!raw) return kBadInput;
  const std::optional<Bytes> input = input_text(c, std::move(*raw));
  if (!input) return kBadInput;
  if (side_of(c.from) == Side::Iscii) report_undefined_iscii_bytes(*input);

  ConversionContext context;
  const FontConverter fonts(context);
  if (std::optional<int> status = convert_whole_text(c, *input, fonts)) return *status;
  const Converter converter(c, fonts);
  Bytes out;
  if (c.utf16 && (side_of(c.to) == Side::Unicode || side_of(c.to) == Side::Devanagari)) out += kUtf16Bom;
  std::u16string unicode;
  Progress progress(input->size());
  std::size_t number = 0;
  for (std::size_t start = 0; start < input->size();) {
    const std::size_t lf = input->find('\n', start);
    const std::size_t end = lf == Bytes::npos ? input->size() : lf;
    context.writer = {};  // lines are independent texts
    const BytesView text = BytesView(*input).substr(start, end - start);
    if (converter.direct()) {
      const std::optional<Bytes> converted = converter.convert_direct(text, ++number);
      if (!converted) return kBadInput;
      out += *converted;
    } else {
      const std::optional<Bytes> line = converter.read_line(text, ++number);
      if (!line) return kBadInput;
      converter.write_line(*line, unicode, out);
    }
    if (lf != Bytes::npos) converter.write_line_end(out);
    start = end + 1;
    progress.at(start);
  }
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "quilm-cli convert: cannot write standard output\n");
    return kBadInput;
  }
  return kSuccess;
}

}  // namespace quilm::cli

// quilm-cli translit: Gurmukhi text transliterated line by line, into Roman
// letters (as the "Romanised Punjabi Text" window shows it) or into
// Devanagari (as the "Transliterate" dialog writes it).
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/convert_encodings.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "common/hex.h"
#include "common/bytes.h"
#include "encoding/unicode_input.h"
#include "encoding/unicode_runs.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/font_index.h"
#include "fonts/registry.h"
#include "tables/sqlite_table.h"
#include "translit/devanagari_fonts.h"
#include "translit/roman_exceptions.h"
#include "translit/roman_text.h"

namespace quilm::cli {
namespace {

void print_translit_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli translit --to roman [--font FONT] [--exceptions GurRoman.db] [--counts]\n"
               "       quilm-cli translit --to kruti|chanakya [--font FONT] [--hex]\n"
               "       quilm-cli translit --to devanagari|iscii [--font FONT] [--hex]\n"
               "\n"
               "Transliterates Gurmukhi from standard input, line by line. The input is\n"
               "UTF-8 (Gurmukhi runs are transliterated, other characters kept), or with\n"
               "--font the glyph bytes of a Gurmukhi font (a font name or index).\n"
               "\n"
               "  --to roman       Roman letters, as UTF-8\n"
               "  --to kruti       the glyph bytes of the Kruti Dev 010 font\n"
               "  --to chanakya    the glyph bytes of the Chanakya font\n"
               "  --to devanagari  Devanagari Unicode (UTF-8); --to iscii: ISCII bytes\n"
               "  --exceptions F   look words up in the exception table F first\n"
               "  --counts         after the text, on stderr: how many words came from\n"
               "                   the exception table and how many from the rules\n"
               "  --hex            byte input and output as lines of hexadecimal bytes\n");
}

struct Options {
  std::string to, font, exceptions;
  bool hex = false, counts = false, help = false;
};

std::optional<Options> parse_options(const Args& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--hex") {
      o.hex = true;
    } else if (a == "--counts") {
      o.counts = true;
    } else if ((a == "--to" || a == "--font" || a == "--exceptions") && i + 1 < args.size()) {
      (a == "--to" ? o.to : a == "--font" ? o.font : o.exceptions) = args[++i];
    } else {
      std::fprintf(stderr, "quilm-cli translit: unexpected argument \"%s\"\n", a.c_str());
      return std::nullopt;
    }
  }
  if (o.help) return o;
  if (o.to != "roman" && o.to != "kruti" && o.to != "chanakya" && o.to != "devanagari" && o.to != "iscii") {
    std::fprintf(stderr, "quilm-cli translit: --to must be roman, kruti, chanakya, devanagari or iscii\n");
    return std::nullopt;
  }
  return o;
}

std::optional<int> font_of(const std::string& name, const FontRegistry& registry) {
  if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos && name.size() <= 2)
    return std::stoi(name);
  const int index = registry.get_font_index(name);
  if (index == font_index::kNotSupported) return std::nullopt;
  return index;
}

// Written out as it grows when the run cannot fail any more, so that the
// text is never held twice.
constexpr std::size_t kOutputChunk = 1 << 16;
bool write_out(Bytes& out) {
  const bool written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
  out.clear();
  return written;
}

int cannot_write() {
  std::fprintf(stderr, "quilm-cli translit: cannot write standard output\n");
  return kBadInput;
}

// Each line of the input, without its line end, through `convert`; the
// line ends are written back as "\n". A line `convert` refuses stops the run.
template <typename Convert>
bool for_each_line(BytesView input, Bytes& out, Convert convert) {
  std::size_t number = 0;
  for (std::size_t start = 0; start < input.size();) {
    const std::size_t lf = input.find('\n', start);
    const std::size_t end = lf == BytesView::npos ? input.size() : lf;
    BytesView line = input.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!convert(line, ++number, out)) return false;
    if (lf != BytesView::npos) out += '\n';
    start = end + 1;
  }
  return true;
}

bool bad_line(std::size_t number, const char* what) {
  std::fprintf(stderr, "quilm-cli translit: line %zu: %s\n", number, what);
  return false;
}

// The pivot text of a UTF-8 line's Gurmukhi runs, with other characters as
// themselves where they are ASCII (Devanagari fonts draw ASCII punctuation).
Bytes pivot_of_unicode(std::u16string_view text) {
  Bytes pivot;
  for (const UnicodePiece& piece : split_unicode_runs(text)) {
    if (piece.kind == UnicodePiece::Kind::Gurmukhi) {
      UniCodetoGur(piece.text, pivot);
    } else {
      for (char16_t c : piece.text) pivot += c < 0x80 ? static_cast<char>(c) : '?';
    }
  }
  return pivot;
}

int run_roman(const Options& o, std::optional<int> font, BytesView input, Bytes& out) {
  ConversionContext context;
  const FontConverter converter(context);
  SqliteTable table;
  std::unique_ptr<StoredRomanExceptions> exceptions;
  if (!o.exceptions.empty()) {
    Status opened = table.SetTableName(o.exceptions);
    if (opened) opened = table.Open();
    if (!opened) {
      std::fprintf(stderr, "quilm-cli translit: %s\n", opened.message().c_str());
      return kBadInput;
    }
    exceptions = std::make_unique<StoredRomanExceptions>(table);
  }
  RomanCounts counts;
  const RomanTextTools tools{converter, exceptions.get(), &counts};
  tools.spellings->expect_text(input.size());
  std::string roman;
  bool written = true;
  const bool ok = for_each_line(input, out, [&](BytesView line, std::size_t number, Bytes& to) {
    if (font) {  // glyph bytes always have a spelling: the text goes out as it is made
      roman.clear();
      append_roman_of_font_text(line, *font, tools, roman);
      append_roman_as_utf8(roman, to);
      if (to.size() >= kOutputChunk) written = write_out(to) && written;
      return true;
    }
    const std::optional<std::u16string> text = from_utf8(line);
    if (!text) return bad_line(number, "not UTF-8 text");
    append_utf8(roman_of_unicode_text(*text, tools), to);
    return true;
  });
  if (!ok) return kBadInput;
  if (!written) return cannot_write();
  if (o.counts) std::fprintf(stderr, "exceptions\t%ld\nrules\t%ld\n", counts.exceptions, counts.rules);
  return kSuccess;
}

int run_devanagari_font(const Options& o, std::optional<int> font, BytesView input, Bytes& out) {
  ConversionContext context;
  const FontConverter converter(context);
  const DevanagariFont target = o.to == "kruti" ? DevanagariFont::KrutiDev : DevanagariFont::Chanakya;
  const bool ok = for_each_line(input, out, [&](BytesView line, std::size_t number, Bytes& to) {
    Bytes pivot;
    if (font && o.hex) {
      const std::optional<Bytes> bytes = hex::parse_bytes(line);
      if (!bytes) return bad_line(number, "not a list of hexadecimal bytes");
      pivot = converter.conversion(*bytes, *font, font_index::kPivot, true);
    } else if (font) {
      pivot = converter.conversion(line, *font, font_index::kPivot, true);
    } else {
      const std::optional<std::u16string> text = from_utf8(line);
      if (!text) return bad_line(number, "not UTF-8 text");
      pivot = pivot_of_unicode(*text);
    }
    const Bytes glyphs = pivot_to_devanagari_font(pivot, target, converter);
    if (o.hex) {
      hex::append_bytes(glyphs, to);
    } else {
      to += glyphs;
    }
    return true;
  });
  return ok ? kSuccess : kBadInput;
}

}  // namespace

int run_translit(const Args& args) {
  const std::optional<Options> o = parse_options(args);
  if (!o) {
    print_translit_usage(stderr);
    return kUsage;
  }
  if (o->help) {
    print_translit_usage(stdout);
    return kSuccess;
  }
  const FontRegistry registry;
  std::optional<int> font;
  if (!o->font.empty()) {
    font = font_of(o->font, registry);
    if (!font || !convertible(*font)) {
      std::fprintf(stderr, "quilm-cli translit: \"%s\" is not a Gurmukhi font that can be read\n", o->font.c_str());
      return kUsage;
    }
  }
  if (o->to == "devanagari" || o->to == "iscii") {
    EncodingConversion c;
    c.from = font ? o->font : "unicode";
    c.from_font = font.value_or(-1);
    c.to = o->to;
    c.hex = o->hex;
    return run_encoding_conversion(c);
  }
  const std::optional<StandardInput> input = StandardInput::read("translit");
  if (!input) return kBadInput;
  Bytes out;
  const BytesView text = input->text();
  const int status = o->to == "roman" ? run_roman(*o, font, text, out) : run_devanagari_font(*o, font, text, out);
  if (status != kSuccess) return status;
  if (!write_out(out) || std::fflush(stdout) != 0) return cannot_write();
  return kSuccess;
}

}  // namespace quilm::cli

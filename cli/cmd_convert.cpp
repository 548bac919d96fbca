// quilm-cli convert: converts standard input line by line from one font
// encoding into another through the pivot encoding, as `conversion` does for
// the program's tools.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "cli/commands.h"
#include "cli/convert_encodings.h"
#include "cli/exit_codes.h"
#include "cli/font_option.h"
#include "cli/options.h"
#include "common/bytes.h"
#include "common/hex.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

constexpr std::size_t kChunk = 1 << 20;

struct Options {
  std::string from, to;
  bool format = false, hex = false, typing = false, utf16 = false, gurmukhi_digits = false;
};

void declare_options(OptionParser& parser, Options& o) {
  parser.value("--from", "FONT", o.from, "", Need::Required);
  parser.value("--to", "FONT", o.to, "", Need::Required);
  parser.flag("--format", o.format, "tidy the pivot text between reading and writing (Format_for_Gurmukhi)");
  parser.flag("--hex", o.hex, "each line holds space-separated hexadecimal bytes, in and out");
  parser.flag("--typing", o.typing,
              "convert as typed text: the typing-context flag is on and the\n"
              "writer context carries from line to line");
  parser.flag("--utf16", o.utf16,
              "Unicode in and out as UTF-16LE with a byte-order mark, as the\n"
              "program's Unicode files");
  parser.flag("--gurmukhi-digits", o.gurmukhi_digits,
              "write the digits of the font's text as Gurmukhi numerals (0-9 as\n"
              "\u0A66-\u0A6F) in the Unicode output: the numerals that AnmolLipi and\n"
              "its family draw at the digit bytes (--to unicode only)");
}

constexpr char kAbout[] =
    "Converts standard input, line by line, from the encoding of one font into\n"
    "another. FONT is a font name (\"AnmolLipi\", \"Satluj\") or a font index\n"
    "(9 is the pivot encoding); a name whose case is off takes the font it\n"
    "names. A font whose glyphs have no conversion table is refused.\n"
    "FONT may also be \"unicode\" (UTF-8), \"iscii\", or, as --to only,\n"
    "\"devanagari\" (Devanagari Unicode): the program's export and import.";

// Appends what standard input has ready (up to a chunk); false at its end.
// Reads as the data arrive, so that typed lines are converted as they come.
bool read_some(Bytes& data, bool& failed) {
  const std::size_t old = data.size();
  data.resize(old + kChunk);
  ssize_t got;
  do got = ::read(STDIN_FILENO, data.data() + old, kChunk);
  while (got < 0 && errno == EINTR);
  data.resize(old + (got > 0 ? static_cast<std::size_t>(got) : 0));
  failed = got < 0;
  return got > 0;
}

bool flush(Bytes& out) {
  const bool ok = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
  out.clear();
  return ok;
}

// The font of --from or --to, refused unless it converts that way.
std::optional<int> conversion_font(const std::string& name, FontSide side, const FontRegistry& registry,
                                   int& failure) {
  return resolve_convertible_font("convert", name, side, registry, failure);
}

// The options that only some conversions have; a usage error for the others.
std::optional<std::string> misplaced_option(const Options& o) {
  const bool encodings = is_encoding_endpoint(o.from) || is_encoding_endpoint(o.to);
  if (encodings && o.typing) return "--typing converts between fonts only";
  if (encodings && o.format) return "--format converts between fonts only";
  if (o.gurmukhi_digits && (o.to != "unicode" || is_encoding_endpoint(o.from)))
    return "--gurmukhi-digits needs a font as --from and unicode as --to";
  return std::nullopt;
}

// Unicode, ISCII or Devanagari on one side (cli/convert_encodings.cpp).
int convert_with_encodings(const Options& o, const FontRegistry& registry) {
  EncodingConversion c{o.from, o.to, -1, -1, o.hex, o.utf16, o.gurmukhi_digits};
  const auto sides = {std::tuple{&o.from, &c.from_font, FontSide::Source},
                      std::tuple{&o.to, &c.to_font, FontSide::Destination}};
  for (auto [name, index, side] : sides) {
    if (is_encoding_endpoint(*name)) continue;
    int failure = kBadInput;
    const std::optional<int> font = conversion_font(*name, side, registry, failure);
    if (!font) return failure;
    *index = *font;
  }
  return run_encoding_conversion(c);
}

}  // namespace

int run_convert(const Args& args) {
  Options options;
  OptionParser parser("convert", kAbout);
  declare_options(parser, options);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  if (const std::optional<std::string> misplaced = misplaced_option(options))
    return parser.usage_error(*misplaced);
  const FontRegistry registry;
  if (is_encoding_endpoint(options.from) || is_encoding_endpoint(options.to))
    return convert_with_encodings(options, registry);
  int failure = kBadInput;
  const std::optional<int> source = conversion_font(options.from, FontSide::Source, registry, failure);
  if (!source) return failure;
  const std::optional<int> destination = conversion_font(options.to, FontSide::Destination, registry, failure);
  if (!destination) return failure;

  ConversionContext context;
  context.typing = options.typing;
  const FontConverter converter(context);

  Bytes input, out;
  out.reserve(kChunk + 4096);
  std::size_t line_number = 0;
  // Converts one line (without its LF); false when a --hex line is malformed.
  auto convert_line = [&](BytesView line) {
    ++line_number;
    // Lines are independent texts unless they stand for keys typed in turn.
    if (!options.typing) context.writer = {};
    if (!options.hex) {
      out += converter.conversion(line, *source, *destination, options.format);
      return true;
    }
    const std::optional<Bytes> bytes = hex::parse_bytes(line);
    if (!bytes) return false;
    hex::append_bytes(converter.conversion(*bytes, *source, *destination, options.format), out);
    return true;
  };
  bool more = true, read_failed = false;
  while (more) {
    more = read_some(input, read_failed);
    std::size_t start = 0;
    for (std::size_t lf; (lf = input.find('\n', start)) != Bytes::npos || (!more && start < input.size());) {
      const std::size_t end = lf == Bytes::npos ? input.size() : lf;
      if (!convert_line(BytesView(input.data() + start, end - start))) {
        flush(out);
        std::fprintf(stderr, "quilm-cli convert: line %zu: not a list of hexadecimal bytes\n", line_number);
        return kBadInput;
      }
      if (lf != Bytes::npos) out.push_back('\n');
      start = end + 1;
    }
    input.erase(0, std::min(start, input.size()));
    if (!flush(out) || std::fflush(stdout) != 0) {
      std::fprintf(stderr, "quilm-cli convert: cannot write standard output\n");
      return kBadInput;
    }
  }
  if (read_failed) {
    std::fprintf(stderr, "quilm-cli convert: cannot read standard input\n");
    return kBadInput;
  }
  return kSuccess;
}

}  // namespace quilm::cli

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
#include <utility>

#include "cli/commands.h"
#include "cli/convert_encodings.h"
#include "cli/exit_codes.h"
#include "cli/font_option.h"
#include "common/bytes.h"
#include "common/hex.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

constexpr std::size_t kChunk = 1 << 20;

void print_convert_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli convert --from FONT --to FONT [--format] [--hex] [--typing] [--utf16]\n"
               "\n"
               "Converts standard input, line by line, from the encoding of one font into\n"
               "another. FONT is a font name (\"AnmolLipi\", \"Satluj\") or a font index\n"
               "(9 is the pivot encoding). Unsupported fonts pass text unchanged.\n"
               "FONT may also be \"unicode\" (UTF-8), \"iscii\", or, as --to only,\n"
               "\"devanagari\" (Devanagari Unicode): the program's export and import.\n"
               "\n"
               "  --format   tidy the pivot text between reading and writing (Format_for_Gurmukhi)\n"
               "  --hex      each line holds space-separated hexadecimal bytes, in and out\n"
               "  --typing   convert as typed text: the typing-context flag is on and the\n"
               "             writer context carries from line to line\n"
               "  --utf16    Unicode in and out as UTF-16LE with a byte-order mark, as the\n"
               "             program's Unicode files\n");
}

struct Options {
  std::string from, to;
  bool format = false, hex = false, typing = false, help = false, utf16 = false;
};

std::optional<Options> parse_options(const Args& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--format") {
      o.format = true;
    } else if (a == "--hex") {
      o.hex = true;
    } else if (a == "--typing") {
      o.typing = true;
    } else if (a == "--utf16") {
      o.utf16 = true;
    } else if ((a == "--from" || a == "--to") && i + 1 < args.size()) {
      (a == "--from" ? o.from : o.to) = args[++i];
    } else {
      std::fprintf(stderr, "quilm-cli convert: unexpected argument \"%s\"\n", a.c_str());
      return std::nullopt;
    }
  }
  if (!o.help && (o.from.empty() || o.to.empty())) {
    std::fprintf(stderr, "quilm-cli convert: --from and --to are required\n");
    return std::nullopt;
  }
  return o;
}

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

// Unicode, ISCII or Devanagari on one side (cli/convert_encodings.cpp).
int convert_with_encodings(const Options& o, const FontRegistry& registry) {
  EncodingConversion c{o.from, o.to, -1, -1, o.hex, o.utf16};
  for (auto [name, index] : {std::pair{&o.from, &c.from_font}, std::pair{&o.to, &c.to_font}}) {
    if (is_encoding_endpoint(*name)) continue;
    const std::optional<int> font = resolve_font("convert", *name, registry);
    if (!font) return kUsage;
    *index = *font;
  }
  return run_encoding_conversion(c);
}

}  // namespace

int run_convert(const Args& args) {
  const std::optional<Options> options = parse_options(args);
  if (!options) {
    print_convert_usage(stderr);
    return kUsage;
  }
  if (options->help) {
    print_convert_usage(stdout);
    return kSuccess;
  }
  const FontRegistry registry;
  if (is_encoding_endpoint(options->from) || is_encoding_endpoint(options->to))
    return convert_with_encodings(*options, registry);
  const std::optional<int> source = resolve_font("convert", options->from, registry);
  const std::optional<int> destination = resolve_font("convert", options->to, registry);
  if (!source || !destination) return kUsage;

  ConversionContext context;
  context.typing = options->typing;
  const FontConverter converter(context);

  Bytes input, out;
  out.reserve(kChunk + 4096);
  std::size_t line_number = 0;
  // Converts one line (without its LF); false when a --hex line is malformed.
  auto convert_line = [&](BytesView line) {
    ++line_number;
    // Lines are independent texts unless they stand for keys typed in turn.
    if (!options->typing) context.writer = {};
    if (!options->hex) {
      out += converter.conversion(line, *source, *destination, options->format);
      return true;
    }
    const std::optional<Bytes> bytes = hex::parse_bytes(line);
    if (!bytes) return false;
    hex::append_bytes(converter.conversion(*bytes, *source, *destination, options->format), out);
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

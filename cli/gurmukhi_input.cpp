#include "cli/gurmukhi_input.h"

#include <cstdio>

#include "cli/exit_codes.h"
#include "cli/font_option.h"
#include "cli/input_output.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "sort/pivot_text.h"

namespace quilm::cli {

bool read_gurmukhi_input(const char* command, const std::string& file, const std::string& font, GurmukhiInput& input) {
  std::optional<int> font_index;
  if (!font.empty()) {
    const FontRegistry registry;
    font_index = resolve_font(command, font, registry);
    if (!font_index) return false;
  }
  std::optional<Bytes> text = read_input(command, file);
  if (!text) return false;
  input.text = std::move(*text);
  ConversionContext context;
  const FontConverter converter(context);
  if (font_index) {
    input.pivot = legacy_text_as_pivot(input.text, *font_index, converter);
  } else {
    std::size_t bad = 0;
    std::optional<Bytes> pivot = utf8_text_as_pivot(input.text, converter, &bad);
    if (!pivot) {
      std::fprintf(stderr, "quilm-cli %s: not UTF-8 (byte %zu); give --font NAME for a legacy font\n", command, bad + 1);
      return false;
    }
    input.pivot = std::move(*pivot);
  }
  input.lines = split_lines(input.text);
  input.pivot_lines = split_lines(input.pivot);
  if (input.lines.size() != input.pivot_lines.size()) {
    std::fprintf(stderr, "quilm-cli %s: the line breaks of the input did not survive its reading\n", command);
    return false;
  }
  return true;
}

namespace {

std::optional<GurmukhiOptions> parse_options(const char* command, const Args& args, bool ordering) {
  GurmukhiOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") o.help = true;
    else if (ordering && (a == "--reverse" || a == "-r")) o.how.descending = true;
    else if (ordering && (a == "--unique" || a == "-u")) o.how.unique = true;
    else if (a == "--font" && i + 1 < args.size()) o.font = args[++i];
    else if ((a.empty() || a[0] != '-' || a == "-") && o.file.empty()) o.file = a;
    else {
      std::fprintf(stderr, "quilm-cli %s: unexpected argument \"%s\"\n", command, a.c_str());
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace

int run_gurmukhi_command(const char* command, const Args& args, bool ordering, void (*usage)(std::FILE*),
                         GurmukhiBody body) {
  const std::optional<GurmukhiOptions> options = parse_options(command, args, ordering);
  if (!options || options->help) {
    usage(options ? stdout : stderr);
    return options ? kSuccess : kUsage;
  }
  GurmukhiInput input;
  if (!read_gurmukhi_input(command, options->file, options->font, input)) return kBadInput;
  return write_output(command, body(input, *options)) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli

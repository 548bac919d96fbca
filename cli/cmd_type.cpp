// quilm-cli type: types each line of standard input, key by key, into an
// editor through the key-press hook of the program, and prints the text the
// editor then holds. Every typing rule can be shown with it.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "editors/memory_editor.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "common/hex.h"
#include "common/prompter.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "typing/key_press.h"
#include "typing/type_key.h"
#include "typing/unicode_reading.h"

namespace quilm::cli {
namespace {

struct Options {
  std::string layout = "romanised";
  std::string font = "Quilm2010";
  std::string to;  // "unicode", or empty for the editor's bytes
  bool check = false, hex = false, hex_keys = false;
  bool unicode() const { return to == "unicode"; }
};

constexpr char kSynopsis[] =
    "type [--layout default|romanised|FONT] [--font FONT] [--check]\n"
    "                      [--hex | --to unicode] [--hex-keys]";

constexpr char kAbout[] =
    "Types each line of standard input, key by key, into an empty document as\n"
    "the program's editor takes keys, and prints the text it then holds, one\n"
    "line for each line typed.";

constexpr char kRefusedKeys[] = "\nA refused key beeps in the program; here it is counted on standard error.\n";

void declare_options(OptionParser& parser, Options& o) {
  parser.synopsis(kSynopsis);
  parser.value("--layout", "L", o.layout,
               "the keyboard layout: romanised (Punjabi typed phonetically,\n"
               "the default), default (the font's own key layout), or a\n"
               "font name or index whose key layout is used");
  parser.value("--font", "FONT", o.font,
               "the editor's font before the first key (default Quilm2010);\n"
               "the romanised layout types in Quilm2010 whatever it is");
  parser.flag("--check", o.check,
              "check for legal Punjabi character combinations (the option\n"
              "governs the Quilm fonts; fonts 2 and 3 are always checked)");
  parser.flag("--hex", o.hex, "print the text as space-separated hexadecimal bytes");
  parser.value("--to", "unicode", o.to, "print the text as Unicode (UTF-8)");
  parser.flag("--hex-keys", o.hex_keys, "each line holds the keys as hexadecimal bytes");
  parser.footer(kRefusedKeys);
}

// The checks between options that the parser cannot make; nullopt to run.
std::optional<int> check_options(const OptionParser& parser, const Options& o) {
  if (!o.to.empty() && !o.unicode()) return parser.usage_error("--to takes only \"unicode\"");
  if (o.hex && o.unicode()) return parser.usage_error("--hex and --to unicode exclude each other");
  return std::nullopt;
}

bool all_digits(const std::string& s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos; }

// A font named by its name or by a font index: the name the editor is given.
std::optional<std::string> font_name_of(const std::string& arg, const FontRegistry& fonts) {
  if (!all_digits(arg)) return arg;
  const int index = arg.size() <= 3 ? std::stoi(arg) : -1;
  if (const FontEncoding* e = fonts.encoding(index); e && !e->names.empty()) return std::string(e->names.front());
  std::fprintf(stderr, "quilm-cli type: %s is not the font index of a font\n", arg.c_str());
  return std::nullopt;
}

// The keyboard layout setting that --layout names.
std::optional<int> layout_setting(const std::string& arg, const FontRegistry& fonts) {
  if (arg == "romanised") return typing::kRomanisedLayout;
  if (arg == "default") return typing::kDefaultLayout;
  if (all_digits(arg)) {
    const int index = arg.size() <= 3 ? std::stoi(arg) : -1;
    if (fonts.encoding(index)) return index;
    std::fprintf(stderr, "quilm-cli type: %s is not a font index\n", arg.c_str());
    return std::nullopt;
  }
  return fonts.get_font_index(arg);
}

std::optional<std::u16string> hex_keys(std::string_view line) {
  const std::optional<Bytes> bytes = hex::parse_bytes(line);
  if (!bytes) return std::nullopt;
  std::u16string keys;
  for (std::size_t i = 0; i < bytes->size(); ++i) keys.push_back(byte_at(*bytes, i));
  return keys;
}

// Each byte of the line is one key, as a Latin keyboard sends it.
std::u16string byte_keys(std::string_view line) {
  std::u16string keys;
  for (char c : line)
    if (c != '\r') keys.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return keys;
}

// Beeps are counted; nothing else is asked while keys are typed.
class CountingPrompter final : public Prompter {
 public:
  int beeps = 0;
  void message(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void error(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  Answer ask_yes_no_cancel(const std::string&) override { return Answer::Cancel; }
  bool ask_yes_no(const std::string&) override { return false; }
  void beep() override { ++beeps; }
  void status_caption(const std::string&) override {}
  void progress_start(long) override {}
  void progress_step(long) override {}
  void progress_end() override {}
};

struct Typist {
  const Options& options;
  const FontRegistry& fonts;
  std::string font;
  int layout;

  // The text that the keys leave in a new document, as the options print it.
  std::string type_line(const std::u16string& keys, int& beeps) const {
    MemoryEditor editor;
    editor.SetFontName(font);
    ConversionContext conversion;
    typing::richedit1Enter(conversion);
    CountingPrompter prompter;
    typing::TypingState state;
    state.keyboard_layout = layout;
    typing::Keyboard kb{editor, fonts, conversion, prompter, state, options.check};
    typing::type_keys(kb, keys);
    beeps = prompter.beeps;
    return render(editor, conversion);
  }

  std::string render(const Editor& editor, ConversionContext& conversion) const {
    std::string out;
    if (options.unicode()) {
      conversion.typing = false;
      const FontConverter converter(conversion);
      return to_utf8(typing::runs_as_unicode(editor.Runs(), fonts, converter));
    }
    for (char16_t c : editor.Text())
      out.push_back(static_cast<char>(static_cast<unsigned char>(c == kParagraphBreak ? '\r' : c)));
    return options.hex ? hex::format_bytes(out) : out;
  }
};

}  // namespace

int run_type(const Args& args) {
  Options options;
  OptionParser parser("type", kAbout);
  declare_options(parser, options);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  if (const std::optional<int> status = check_options(parser, options)) return *status;
  const FontRegistry fonts;
  const std::optional<std::string> font = font_name_of(options.font, fonts);
  const std::optional<int> layout = layout_setting(options.layout, fonts);
  if (!font || !layout) return kUsage;
  const Typist typist{options, fonts, *font, *layout};

  std::string line;
  int line_number = 0;
  while (std::getline(std::cin, line)) {
    ++line_number;
    std::u16string keys;
    if (options.hex_keys) {
      std::optional<std::u16string> parsed = hex_keys(line);
      if (!parsed) {
        std::fprintf(stderr, "quilm-cli type: line %d: not a list of hexadecimal bytes\n", line_number);
        return kBadInput;
      }
      keys = std::move(*parsed);
    } else {
      keys = byte_keys(line);
    }
    int beeps = 0;
    std::cout << typist.type_line(keys, beeps) << '\n';
    if (beeps > 0) std::fprintf(stderr, "quilm-cli type: line %d: %d key(s) refused\n", line_number, beeps);
  }
  std::cout.flush();
  if (!std::cout) {
    std::fprintf(stderr, "quilm-cli type: cannot write standard output\n");
    return kBadInput;
  }
  return kSuccess;
}

}  // namespace quilm::cli

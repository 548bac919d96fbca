// quilm-cli pad: the typing pad without its window. A script of pad events
// read from standard input is replayed on an empty pad; then the Gurmukhi
// pane and the word table are printed.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/options.h"
#include "cli/roman_data_folder.h"
#include "encoding/utf16.h"
#include "roman/pad_script.h"
#include "roman/roman_data.h"
#include "roman/typing_pad.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Replays a script of typing pad events from standard input, one a line,\n"
    "and prints the Gurmukhi pane (UTF-8), a line \"--- words\", then the word\n"
    "table: number, Roman word, its separators, its Gurmukhi and its\n"
    "alternatives, separated by tabs, and last the current word.";

constexpr char kFooter[] =
    "Events:\n"
    "  type TEXT        each character of TEXT typed in turn (\\n \\t \\\\ escapes)\n"
    "  paste TEXT       TEXT put in place of the selection at once\n"
    "  backspace        the selection, or the character before the caret, deleted\n"
    "  delete           the selection, or the character at the caret, deleted\n"
    "  select FROM TO   the characters FROM..TO selected (caret at TO)\n"
    "  move N           the caret put at N\n"
    "  choose N         alternative N of the current word chosen\n"
    "  retransliterate  every word transliterated again\n"
    "Positions count from 0. --check fails (status 1) when the word table is\n"
    "not what a full retransliteration of the Roman pane gives. The data\n"
    "folder (--data) is found as for quilm-cli roman.";

struct Options {
  std::string data;
  bool check = false, keep_case = false;
};

// Separators with line ends, tabs and backslashes written as escapes.
std::string escaped(std::u16string_view separators) {
  std::string out;
  for (char c : to_utf8(separators)) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c == '\\') out += "\\\\";
    else out += c;
  }
  return out;
}

std::string word_table(const TypingPad& pad) {
  std::string out = "--- words\n";
  for (std::size_t k = 0; k < pad.words().size(); ++k) {
    const PadWord& w = pad.words()[k];
    out += std::to_string(k + 1) + '\t' + w.roman + '\t' + escaped(w.separators) + '\t' + to_utf8(w.shown) + '\t';
    const std::vector<std::u16string> alternatives = pad.alternatives_of(k);
    for (std::size_t i = 0; i < alternatives.size(); ++i) out += (i ? " " : "") + to_utf8(alternatives[i]);
    out += '\n';
  }
  out += "current\t" + (pad.current_word() ? std::to_string(*pad.current_word() + 1) : std::string("-")) + '\n';
  return out;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "quilm-cli pad: %s\n", message.c_str());
  return kBadInput;
}

constexpr char kCommand[] = "pad";

}  // namespace

int run_pad(const Args& args) {
  Options o;
  OptionParser parser("pad", kAbout);
  parser.value("--data", "DIR", o.data, "the data folder");
  parser.flag("--check", o.check, "fail unless the table equals a full retransliteration");
  parser.flag("--keep-case", o.keep_case, "transliterate words as typed (\"Ignore Case \" off)");
  parser.footer(kFooter);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  auto data = std::make_unique<RomanData>();
  std::vector<std::string> warnings;
  if (Status s = load_roman_data(roman_data_folder(o.data), data.get(), &warnings); !s) return fail(s.message());
  const std::optional<StandardInput> script = StandardInput::read(kCommand);
  if (!script) return kBadInput;
  TypingPad pad(*data);
  pad.set_ignore_case(!o.keep_case);
  std::vector<std::string> notes;
  if (Status s = replay_pad_script(pad, script->text(), &notes); !s) return fail(s.message());
  if (o.check) {
    TypingPad full(*data);
    full.set_ignore_case(!o.keep_case);
    full.paste(pad.roman());
    if (!same_word_table(pad, full)) return fail("the word table differs from a full retransliteration");
  }
  // Said only once the script has run: bad input gets one line.
  for (const std::string& w : warnings) std::fprintf(stderr, "quilm-cli pad: warning: %s\n", w.c_str());
  for (const std::string& n : notes) std::fprintf(stderr, "quilm-cli pad: note: %s\n", n.c_str());
  return write_output(kCommand, to_utf8(pad.gurmukhi()) + '\n' + word_table(pad)) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli

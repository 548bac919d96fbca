// quilm-cli roman-add: adds a Roman spelling of a Gurmukhi word to the
// user's Roman words of the data folder ("Add Word to Database").
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "cli/roman_data_folder.h"
#include "roman/user_roman_words.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Adds ROMAN (the letters A-Z, kept lower-cased) spelled GURMUKHI (Unicode\n"
    "Gurmukhi, UTF-8) to the user's Roman words of the data folder\n"
    "(RomanUser.txt), which the Roman-to-Gurmukhi conversion and the typing\n"
    "pad read with the Roman dictionary. A pair already there is left as it is.";

}  // namespace

int run_roman_add(const Args& args) {
  std::string data, roman, gurmukhi;
  OptionParser parser("roman-add", kAbout);
  parser.value("--data", "DIR", data, "the data folder");
  parser.positional("ROMAN", roman);
  parser.positional("GURMUKHI", gurmukhi);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  AddedWord outcome = AddedWord::Added;
  if (Status s = add_user_roman_word(roman_data_folder(data), roman, gurmukhi, nullptr, &outcome); !s) {
    std::fprintf(stderr, "quilm-cli roman-add: %s\n", s.message().c_str());
    return kBadInput;
  }
  std::printf("%s\n", outcome == AddedWord::Added ? "added" : "already there");
  return kSuccess;
}

}  // namespace quilm::cli

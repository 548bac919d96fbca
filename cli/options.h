// The arguments of one quilm-cli subcommand: its flags (--hex), its options
// with a value (--from FONT, also written --from=FONT), its positional
// arguments (IN OUT, or KEY...), and --help. Each subcommand declares them
// once; the parser reads them and writes the usage text from the same
// declarations.
//
//   std::string from, to;
//   bool hex = false;
//   OptionParser parser("convert", "Converts standard input ...");
//   parser.value("--from", "FONT", from, "", Need::Required);
//   parser.flag("--hex", hex, "each line holds hexadecimal bytes");
//   if (const auto status = parser.parse(args)) return *status;
//
// parse() gives the exit status when the command is to stop: 0 after
// printing the usage on stdout for --help or -h (anywhere before "--"), 2
// after one line "quilm-cli SUB: ..." on stderr for an unknown option, a
// missing value, a missing required option or positional argument, or one
// too many. An argument that starts with "-" (other than "-" alone) is an
// option; after "--" every argument is positional.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace quilm::cli {

enum class Need { Optional, Required };

class OptionParser {
 public:
  // `about` is the paragraph the usage text shows under the synopsis.
  OptionParser(std::string command, std::string about);
  OptionParser(const OptionParser&) = delete;
  OptionParser& operator=(const OptionParser&) = delete;

  // An option without a value; `target` becomes true when it is given. An
  // empty `help` leaves the option out of the option list (the about text
  // explains it).
  void flag(std::string name, bool& target, std::string help);
  // An option with a value; `target` keeps its value unless it is given.
  void value(std::string name, std::string value_name, std::string& target, std::string help,
             Need need = Need::Optional);
  // One positional argument, in declaration order.
  void positional(std::string value_name, std::string& target, Need need = Need::Required);
  // All further positional arguments, at least `at_least` of them.
  void rest(std::string value_name, std::vector<std::string>& target, std::size_t at_least = 0);
  // Replaces the synopsis drawn from the declarations (the part after
  // "usage: quilm-cli "), for a command whose arguments have more shapes.
  void synopsis(std::string text);
  // Text the usage shows after the option list.
  void footer(std::string text);

  // nullopt when the command should run with the values read; otherwise the
  // exit status, after the usage or the message has been printed.
  std::optional<int> parse(const Args& args);

  // One line "quilm-cli SUB: MESSAGE" with a pointer to --help on stderr;
  // gives the usage-error exit status. For the checks a command makes itself.
  int usage_error(std::string_view message) const;

  std::string usage() const;

 private:
  struct Option {
    std::string name, value_name, help;
    bool* flag = nullptr;
    std::string* value = nullptr;
    Need need = Need::Optional;
    bool seen = false;
  };
  struct Positional {
    std::string value_name;
    std::string* target = nullptr;
    Need need = Need::Required;
  };

  Option* find(std::string_view name);
  std::optional<std::string> take_option(const Args& args, std::size_t& i);
  std::optional<std::string> take_positional(const std::string& arg, std::size_t& next);
  std::optional<std::string> missing_arguments(std::size_t positionals_given) const;
  std::string drawn_synopsis() const;
  std::string option_list() const;

  std::string command_, about_, synopsis_, footer_;
  std::vector<Option> options_;
  std::vector<Positional> positionals_;
  std::string rest_name_;
  std::vector<std::string>* rest_ = nullptr;
  std::size_t rest_at_least_ = 0;
};

}  // namespace quilm::cli

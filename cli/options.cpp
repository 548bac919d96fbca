#include "cli/options.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "cli/exit_codes.h"

namespace quilm::cli {
namespace {

bool is_help(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// "-" alone names standard input or a file, as a positional argument does.
bool looks_like_option(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

// "A", "A and B", "A, B and C".
std::string listed(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

OptionParser::OptionParser(std::string command, std::string about)
    : command_(std::move(command)), about_(std::move(about)) {}

void OptionParser::flag(std::string name, bool& target, std::string help) {
  options_.push_back({std::move(name), "", std::move(help), &target, nullptr, Need::Optional});
}

void OptionParser::value(std::string name, std::string value_name, std::string& target, std::string help,
                         Need need) {
  options_.push_back({std::move(name), std::move(value_name), std::move(help), nullptr, &target, need});
}

void OptionParser::positional(std::string value_name, std::string& target, Need need) {
  positionals_.push_back({std::move(value_name), &target, need});
}

void OptionParser::rest(std::string value_name, std::vector<std::string>& target, std::size_t at_least) {
  rest_name_ = std::move(value_name);
  rest_ = &target;
  rest_at_least_ = at_least;
}

void OptionParser::synopsis(std::string text) { synopsis_ = std::move(text); }

void OptionParser::footer(std::string text) { footer_ = std::move(text); }

OptionParser::Option* OptionParser::find(std::string_view name) {
  const auto it = std::find_if(options_.begin(), options_.end(), [&](const Option& o) { return o.name == name; });
  return it == options_.end() ? nullptr : &*it;
}

// Reads the option at args[i] (and its value); a message when it is wrong.
std::optional<std::string> OptionParser::take_option(const Args& args, std::size_t& i) {
  const std::string& arg = args[i];
  const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
  const std::string_view name = std::string_view(arg).substr(0, equals);
  Option* option = find(name);
  if (!option) return "unknown option " + quoted(name);
  option->seen = true;
  if (option->flag) {
    if (equals != std::string::npos) return std::string(name) + " takes no value";
    *option->flag = true;
  } else if (equals != std::string::npos && equals + 1 < arg.size()) {
    *option->value = arg.substr(equals + 1);
  } else if (equals == std::string::npos && i + 1 < args.size()) {
    *option->value = args[++i];
  } else {
    return std::string(name) + " needs a value";
  }
  return std::nullopt;
}

std::optional<std::string> OptionParser::take_positional(const std::string& arg, std::size_t& next) {
  if (next < positionals_.size()) {
    *positionals_[next++].target = arg;
    return std::nullopt;
  }
  if (!rest_) return "unexpected argument " + quoted(arg);
  rest_->push_back(arg);
  return std::nullopt;
}

std::optional<std::string> OptionParser::missing_arguments(std::size_t positionals_given) const {
  std::vector<std::string> missing;
  for (const Option& o : options_)
    if (o.need == Need::Required && !o.seen) missing.push_back(o.name + " " + o.value_name);
  for (std::size_t i = positionals_given; i < positionals_.size(); ++i)
    if (positionals_[i].need == Need::Required) missing.push_back(positionals_[i].value_name);
  if (rest_ && rest_->size() < rest_at_least_) missing.push_back(rest_name_);
  if (missing.empty()) return std::nullopt;
  return listed(missing) + (missing.size() == 1 ? " is" : " are") + " required";
}

std::optional<int> OptionParser::parse(const Args& args) {
  // The first fault is reported, but only after every argument is read: a
  // --help anywhere still prints the usage.
  std::optional<std::string> fault;
  bool help = false, options_ended = false;
  std::size_t positionals_given = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string> problem;
    if (options_ended || !looks_like_option(arg)) {
      problem = take_positional(arg, positionals_given);
    } else if (arg == "--") {
      options_ended = true;
    } else if (is_help(arg)) {
      help = true;
    } else {
      problem = take_option(args, i);
    }
    if (problem && !fault) fault = std::move(problem);
  }
  if (help) {
    const std::string text = usage();
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kSuccess;
  }
  if (!fault) fault = missing_arguments(positionals_given);
  if (fault) return usage_error(*fault);
  return std::nullopt;
}

int OptionParser::usage_error(std::string_view message) const {
  std::fprintf(stderr, "quilm-cli %s: %.*s (quilm-cli %s --help shows the usage)\n", command_.c_str(),
               static_cast<int>(message.size()), message.data(), command_.c_str());
  return kUsage;
}

std::string OptionParser::drawn_synopsis() const {
  std::string text = command_;
  for (const Option& o : options_) {
    const std::string shown = o.flag ? o.name : o.name + " " + o.value_name;
    text += " " + (o.need == Need::Required ? shown : "[" + shown + "]");
  }
  for (const Positional& p : positionals_)
    text += " " + (p.need == Need::Required ? p.value_name : "[" + p.value_name + "]");
  if (rest_) text += " " + (rest_at_least_ > 0 ? rest_name_ + "..." : "[" + rest_name_ + "...]");
  return text;
}

// The options that have a help text, their explanations in one column; a
// line break in a help text continues in that column.
std::string OptionParser::option_list() const {
  std::size_t width = 0;
  for (const Option& o : options_)
    if (!o.help.empty()) width = std::max(width, o.name.size() + (o.flag ? 0 : 1 + o.value_name.size()));
  std::string text;
  for (const Option& o : options_) {
    if (o.help.empty()) continue;
    std::string head = "  " + o.name + (o.flag ? "" : " " + o.value_name);
    head.resize(width + 4, ' ');
    text += head;
    for (const char c : o.help) text += c == '\n' ? "\n" + std::string(width + 4, ' ') : std::string(1, c);
    text += '\n';
  }
  return text;
}

std::string OptionParser::usage() const {
  std::string text = "usage: quilm-cli " + (synopsis_.empty() ? drawn_synopsis() : synopsis_) + "\n";
  if (!about_.empty()) text += "\n" + about_ + "\n";
  if (const std::string options = option_list(); !options.empty()) text += "\n" + options;
  return text + footer_;
}

}  // namespace quilm::cli

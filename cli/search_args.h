// The options that quilm-cli find and replace share: what is searched and
// how, as the "Find -Replace" window's check boxes and radio buttons say it.
#pragma once

#include <string>

#include "cli/options.h"
#include "dict/find_replace.h"

namespace quilm::cli {

struct SearchArgs {
  bool similar = false, english = false, whole_words = false, match_case = false;
  std::string font;
};

void declare_search_options(OptionParser& parser, SearchArgs& args);
FindOptions find_options(const SearchArgs& args);

// Text typed on the command line (UTF-8), as a box holding Unicode text.
// nullopt after a message naming `command` when it is not UTF-8.
std::optional<SearchText> typed_text(const char* command, const std::string& utf8);

}  // namespace quilm::cli

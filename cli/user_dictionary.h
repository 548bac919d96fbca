// The verbs of quilm-cli dict that keep the additional dictionaries
// (new, add, list), beside its bilingual-dictionary verbs.
#pragma once

#include <string>

#include "cli/commands.h"

namespace quilm::cli {

bool is_user_dictionary_verb(const std::string& verb);
// `rest` is what follows the verb.
int run_user_dictionary(const std::string& verb, const Args& rest);

}  // namespace quilm::cli

#include "common/file_dialogs.h"

namespace quilm {

bool may_replace(const std::filesystem::path& path, Prompter& prompter) {
  std::error_code ignored;
  return !std::filesystem::exists(path, ignored) || prompter.ask_yes_no(kReplaceQuestion);
}

}  // namespace quilm

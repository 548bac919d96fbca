#include "cli/roman_data_folder.h"

#include "roman/roman_dictionary.h"

namespace quilm::cli {

std::filesystem::path roman_data_folder(const std::string& option) {
  if (!option.empty()) return option;
  if (std::filesystem::exists(kRomanDictionaryFile)) return ".";
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return ".";
  return program.parent_path().parent_path() / "ready-data";
}

}  // namespace quilm::cli

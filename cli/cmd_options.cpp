// quilm-cli options: the settings of a data folder (its file filearch), shown
// or changed as the Options window changes them: every value is checked
// before anything is written, and the file is replaced whole and safely.
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "app/keyboard_layout_choice.h"
#include "app/options.h"
#include "app/settings.h"
#include "app/startup.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "common/file_io.h"
#include "common/whole_number.h"

namespace quilm::cli {
namespace {

namespace fs = std::filesystem;

void print_entry(const OptionsEntry& entry, const std::string& layout) {
  std::printf("punjabi-font\t%s\n", entry.punjabi_font.c_str());
  std::printf("punjabi-size\t%s\n", entry.punjabi_font_size.c_str());
  std::printf("english-font\t%s\n", entry.english_font.c_str());
  std::printf("english-size\t%s\n", entry.english_font_size.c_str());
  std::printf("zoom\t%d\n", zoom_percent(entry.zoom_step).value_or(0));
  std::printf("double-click\t%d\n", entry.dictionary_double_click ? 1 : 0);
  std::printf("legal-check\t%d\n", entry.legal_combination_check ? 1 : 0);
  std::printf("save-type\t%d\n", entry.default_save_type);
  std::printf("view\t%d\n", entry.view_mode);
  std::printf("layout\t%d\t%s\n", entry.layout_choice, layout.c_str());
}

// Puts `value` into the entry field `key`; false for an unknown key or a
// value of the wrong kind (the ranges are checked with the whole entry).
bool set_entry(OptionsEntry& entry, const std::string& key, const std::string& value) {
  const std::optional<int> number = parse_whole_number(value, 0, 999999999);
  const auto flag = [&](bool& target) {
    if (value != "0" && value != "1") return false;
    target = value == "1";
    return true;
  };
  if (key == "punjabi-font") entry.punjabi_font = value;
  else if (key == "punjabi-size") entry.punjabi_font_size = value;
  else if (key == "english-font") entry.english_font = value;
  else if (key == "english-size") entry.english_font_size = value;
  else if (key == "double-click") return flag(entry.dictionary_double_click);
  else if (key == "legal-check") return flag(entry.legal_combination_check);
  else if (!number) return false;
  else if (key == "zoom") entry.zoom_step = zoom_step_for(*number).value_or(-1);
  else if (key == "save-type") entry.default_save_type = *number;
  else if (key == "view") entry.view_mode = *number;
  else if (key == "layout") entry.layout_choice = *number;
  else return false;
  return true;
}

}  // namespace

int run_options(const Args& args) {
  std::string action, folder;
  std::vector<std::string> changes;
  OptionParser parser("options",
                      "Shows the settings of the data folder FOLDER (its file filearch), one per line as KEY, a "
                      "tab and the value, or sets them: `set FOLDER KEY VALUE [KEY VALUE ...]`. Keys: "
                      "punjabi-font, punjabi-size, english-font, english-size (1 to 1638), zoom (25, 50, 75, "
                      "100, 125, 150, 200, 250, 300, 400), double-click and legal-check (0 or 1), save-type (0 "
                      "Word, 1 text, 2 web page, 3 RTF, 4 Punjabi file), view (0 normal, 1 page, 2 centred "
                      "page), layout (the item of the keyboard-layout list, 0 Default, 1 Romanised Punjabi). "
                      "A bad value changes nothing.");
  parser.positional("show|set", action);
  parser.positional("FOLDER", folder);
  parser.rest("KEY VALUE", changes);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  if (action != "show" && action != "set") return parser.usage_error("the action is show or set, not " + action);
  if (action == "show" && !changes.empty()) return parser.usage_error("show takes no keys");
  if (action == "set" && (changes.empty() || changes.size() % 2 != 0))
    return parser.usage_error("set takes pairs of KEY VALUE");

  const fs::path file = fs::path(folder) / kSettingsFile;
  const std::optional<Bytes> contents = read_file(file);
  if (!contents) {
    std::fprintf(stderr, "quilm-cli options: cannot read %s\n", file.string().c_str());
    return kBadInput;
  }
  const SettingsRead read = parse_settings(*contents);
  if (!read.status) {
    std::fprintf(stderr, "quilm-cli options: %s: %s\n", file.string().c_str(), read.status.message().c_str());
    return kBadInput;
  }
  const FontRegistry fonts;
  const std::vector<std::string> layouts = keyboard_layout_items(fonts);
  OptionsEntry entry = options_entry(read.settings, zoom_percent(read.settings.zoom_step).value_or(0),
                                     read.settings.view_mode);
  if (action == "show") {
    print_entry(entry, keyboard_layout_caption(entry.layout_choice, layouts));
    return kSuccess;
  }
  for (std::size_t i = 0; i < changes.size(); i += 2) {
    if (!set_entry(entry, changes[i], changes[i + 1])) {
      std::fprintf(stderr, "quilm-cli options: bad key or value: %s %s\n", changes[i].c_str(), changes[i + 1].c_str());
      return kBadInput;
    }
  }
  const OptionsApplied applied = apply_options(read.settings, entry, static_cast<int>(layouts.size()));
  if (!applied.status) {
    std::fprintf(stderr, "quilm-cli options: %s\n", applied.status.message().c_str());
    return kBadInput;
  }
  if (Status written = write_file_atomically(file, format_settings(applied.settings)); !written) {
    std::fprintf(stderr, "quilm-cli options: %s\n", written.message().c_str());
    return kBadInput;
  }
  return kSuccess;
}

}  // namespace quilm::cli

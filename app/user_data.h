// The per-user data folder of an installed program. Installed, the program
// finds its ready data folder (share/quilm/data) and the script that copies
// it (share/quilm/refresh-data.sh) beside its bin folder; started in a folder
// that is no data folder (from the desktop's menu, say), it works in the
// user's own copy, made on first start and brought up to date when a newer
// ready folder has been installed since it was last copied. Started in a
// data folder, it works there, as always.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quilm {

struct InstalledData {
  std::filesystem::path ready;    // PREFIX/share/quilm/data
  std::filesystem::path refresh;  // PREFIX/share/quilm/refresh-data.sh
};

// The installed data beside the program in `program_folder` (PREFIX/bin);
// nothing when the program does not run from an installed tree.
std::optional<InstalledData> installed_data(const std::filesystem::path& program_folder);

// Whether `folder` is a data folder: it holds the settings file.
bool is_data_folder(const std::filesystem::path& folder);

// $XDG_DATA_HOME/quilm/data, or ~/.local/share/quilm/data without it (the
// folder tools/run.sh uses); empty when neither variable is set.
std::filesystem::path user_data_folder(const char* xdg_data_home, const char* home);

// Whether the user's copy `data` must be made or refreshed from `ready`: it is
// no data folder yet, or a file of `ready` is newer than its last refresh.
bool needs_refresh(const std::filesystem::path& ready, const std::filesystem::path& data);

// The command line that makes or refreshes `data` from the installed data.
std::string refresh_command(const InstalledData& installed, const std::filesystem::path& data);

}  // namespace quilm

#include "app/user_data.h"

#include <system_error>

#include "app/startup.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

// The record refresh-data.sh writes at the end of every refresh.
constexpr const char* kShippedRecord = ".quilm-shipped";

std::string shell_quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::optional<InstalledData> installed_data(const fs::path& program_folder) {
  const fs::path share = program_folder / ".." / "share" / "quilm";
  InstalledData installed{share / "data", share / "refresh-data.sh"};
  std::error_code error;
  if (!fs::is_regular_file(installed.ready / kSettingsFile, error) || !fs::is_regular_file(installed.refresh, error))
    return std::nullopt;
  installed.ready = fs::weakly_canonical(installed.ready, error);
  installed.refresh = fs::weakly_canonical(installed.refresh, error);
  return installed;
}

bool is_data_folder(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(folder / kSettingsFile, error);
}

fs::path user_data_folder(const char* xdg_data_home, const char* home) {
  if (xdg_data_home && *xdg_data_home) return fs::path(xdg_data_home) / "quilm" / "data";
  if (home && *home) return fs::path(home) / ".local" / "share" / "quilm" / "data";
  return {};
}

bool needs_refresh(const fs::path& ready, const fs::path& data) {
  std::error_code error;
  if (!is_data_folder(data)) return true;
  const fs::file_time_type refreshed = fs::last_write_time(data / kShippedRecord, error);
  if (error) return true;
  for (fs::recursive_directory_iterator it(ready, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error) && it->last_write_time(error) > refreshed) return true;
  return false;
}

std::string refresh_command(const InstalledData& installed, const fs::path& data) {
  return shell_quoted(installed.refresh.string()) + " " + shell_quoted(installed.ready.string()) + " " +
         shell_quoted(data.string());
}

}  // namespace quilm

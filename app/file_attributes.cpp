#include "app/file_attributes.h"

namespace quilm {

int ChangeFileAttributes(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  int changed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code status_error;
    if (!it->is_regular_file(status_error)) continue;
    const fs::perms perms = it->status(status_error).permissions();
    if (status_error || (perms & fs::perms::owner_write) != fs::perms::none) continue;
    fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, status_error);
    if (!status_error) ++changed;
  }
  return changed;
}

}  // namespace quilm

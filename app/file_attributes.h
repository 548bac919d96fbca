// Data files copied from read-only media arrive read-only; the program rewrites
// several of them (settings, dictionaries, tables), so at start-up every file of
// the data folder is made writable by its owner. Other permission bits stay.
#pragma once

#include <filesystem>

namespace quilm {

// ChangeFileAttributes: gives the owner write permission on every regular file
// directly in `folder`. Returns the number of files changed.
int ChangeFileAttributes(const std::filesystem::path& folder);

}  // namespace quilm

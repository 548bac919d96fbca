// Reading and writing whole files as bytes.
#pragma once

#include <filesystem>
#include <optional>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

// The whole file, or nullopt when it cannot be opened or read.
std::optional<Bytes> read_file(const std::filesystem::path& path);

// Writes `contents` so that a crash at any moment leaves either the old file
// or the complete new one: the bytes go to a temporary file in the same
// folder, are flushed to disk, and the temporary file is renamed over `path`.
// Temporary files that killed saves of `path` left behind, more than an hour
// old, are removed after a save succeeds.
Status write_file_atomically(const std::filesystem::path& path, BytesView contents);

// Makes the new file `path` holding `contents`, complete or not at all, and
// never in place of a file that exists (that is an error).
Status create_file_atomically(const std::filesystem::path& path, BytesView contents);

}  // namespace quilm

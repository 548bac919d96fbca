// Writing and reading the files of the document conversions: atomic writes
// that first make a read-only file writable, and whole-file reads, each
// failure a Status that names the file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

Status write_export_file(const std::filesystem::path& path, BytesView contents, const std::string& failure);
// The file's bytes, or an error "failure: path: reason".
Status read_import_file(const std::filesystem::path& path, const std::string& failure, Bytes& out);

}  // namespace quilm

// Checks on a table file made from its bytes, before and after SQLite opens
// it, so that a missing, foreign or cut-short file is reported in plain words
// instead of as whatever SQLite happens to meet first.
#pragma once

#include <filesystem>

#include "common/status.h"

namespace quilm {

// The file exists, is a regular file, is not empty and starts with the
// SQLite header. The error says what is wrong, without naming the file.
Status check_table_file_header(const std::filesystem::path& path);

// The file is as long as its header says (only when the header's page count
// is valid). Run after SQLite has opened the file, since opening rolls back
// an interrupted write, which may change the file's length.
Status check_table_file_length(const std::filesystem::path& path);

}  // namespace quilm

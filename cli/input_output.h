// Whole inputs and outputs of the subcommands that read text: a named file
// or standard input in, standard output out, each failure a one-line
// message naming the command.
#pragma once

#include <optional>
#include <string>

#include "common/bytes.h"

namespace quilm::cli {

// The bytes of `file`, or of standard input when `file` is empty or "-".
std::optional<Bytes> read_input(const char* command, const std::string& file);
// Writes `out` to standard output; false after a message when it cannot.
bool write_output(const char* command, BytesView out);

}  // namespace quilm::cli

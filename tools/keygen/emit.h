// Writing the keystroke tables as C++ constants for typing/key_tables.h.
#pragma once

#include <string>
#include <vector>

#include "tools/keygen/key_table_file.h"

namespace keygen {

std::string emit_tables(const std::vector<TableFile>& files);

}  // namespace keygen

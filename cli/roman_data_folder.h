// The data folder of the Roman-to-Gurmukhi subcommands.
#pragma once

#include <filesystem>
#include <string>

namespace quilm::cli {

// `option` when given; else the current folder when it holds RomanGur.dbf,
// else the built data folder beside the program.
std::filesystem::path roman_data_folder(const std::string& option);

}  // namespace quilm::cli

// The two recent-file items of the File menu. Their captions are "&1" and
// "&2" followed by a path (the accelerator and the file), kept in lines 1 and
// 2 of the settings file.
#pragma once

#include <filesystem>
#include <string>

#include "app/settings.h"

namespace quilm {

// The path of a caption: all after its first two characters.
std::string recent_path(const std::string& caption);

// The menu item's text for a stored caption: its accelerator, a space, and
// the path with every '&' doubled so that the menu shows it as it is
// ("&1" and "/docs/a&b.rtf" give "&1 /docs/a&&b.rtf"). Empty for no path.
std::string recent_menu_text(const std::string& caption);

// After Open and Save As of `path`: unless it is one of the two already, the
// first item moves to the second place and `path` takes the first.
// `document_name` empty changes nothing. True when the list changed.
bool remember_recent_file(Settings& settings, const std::string& document_name, const std::filesystem::path& path);

}  // namespace quilm

// Which editor format a file is opened and saved in, by its extension and by
// the filter chosen in the dialogs, and the filters the dialogs show.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "editor/editor.h"

namespace quilm {

inline constexpr const char* kOpenFilter =
    "Word Documents (*.Doc)|*.doc|Text files (*.txt)|*.txt|HTML Documents (*.htm ; *.html)|*.htm;*.html|"
    "RTF Documents (*.Rtf)|*.rtf|Punjabi files (*.pbi)|*.pbi|All files (*.*)|*.*";
inline constexpr const char* kSaveFilter =
    "Word Documents (*.doc)|*.doc|Text files (*.txt)|*.txt|HTML Documents (*.htm)|*.htm|"
    "RTF Documents (*.rtf)|*.rtf|Punjabi files (*.pbi)|*.pbi|All files (*.*)|*.*";
inline constexpr const char* kImportFilter = "Unicode Text files (*.txt)|*.txt|ISCII files (*.aci)|*.aci";
inline constexpr const char* kExportFilter =
    "Unicode Format(*.txt)|*.txt|ISCII Format (*.aci) | *.aci|Portable Document Format (*.pdf)|*.pdf|"
    "Unicode UTF-8 Format (*.txt)|*.txt";

// The upper-cased extension with its dot (".DOC"); empty without one.
std::string upper_extension(const std::filesystem::path& path);

// The format a file opens in. The Open dialog's filter index 3 opens a
// ".txt" file as Unicode text; any extension the table lacks is plain text.
FormatCode format_for_opening(const std::filesystem::path& path, int open_filter_index = 0);

// A filter of the Save As dialog: the format it writes and its extension.
struct SaveAsFilter {
  FormatCode format;
  const char* extension;  // ".doc"
};
// Filter index from 1; nullopt outside the list.
std::optional<SaveAsFilter> save_as_filter(int filter_index);

// `path` with `extension` unless it already ends in it (in any case); ".htm"
// also accepts ".html".
std::filesystem::path with_forced_extension(const std::filesystem::path& path, const std::string& extension);

}  // namespace quilm

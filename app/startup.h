// The main window's start and stop, apart from its widgets: which files are
// read at creation, what a failure does, how the settings reach the editor and
// what is written back at close. The Qt window calls these; tests call them on
// the in-memory editor with a scripted prompter.
#pragma once

#include <filesystem>

#include "editor/editor.h"
#include "app/workspace.h"
#include "common/prompter.h"

namespace quilm {

inline constexpr const char* kMainWordList = "WList.txt";
inline constexpr const char* kSettingsFile = "filearch";

// The messages of a start-up that cannot go on.
inline constexpr const char* kFileBlockedMessage =
    "A program on the system is blocking the file %s, so Quilm 2010 cannot start. "
    "Close that program, check the file's permissions, and start Quilm 2010 again.";
inline constexpr const char* kFileMissingMessage =
    "The file %s is missing from the data folder, so Quilm 2010 cannot start. "
    "Copy it back from the program's ready data folder and start Quilm 2010 again.";
inline constexpr const char* kSettingsMissingMessage =
    "The settings file filearch is damaged or missing from the data folder, "
    "so Quilm 2010 cannot start.";

enum class CreationResult {
  Ready,          // every step ran
  SettingsError,  // a settings line held no number: reported, the remaining steps skipped
  Failed,         // the window must close at once; nothing will be written
};

// The file-reading part of the main window's creation, in order: the main word
// list, the settings file, the settings applied to the editor (view mode, zoom),
// the data files made writable, the typing font. `data_folder` is the folder
// current at start-up.
CreationResult load_startup_state(Workspace& ws, const std::filesystem::path& data_folder,
                                  Editor& editor, Prompter& prompter);

// The view mode and zoom step of the settings given to the editor. A view mode
// outside 0..2 or a zoom step outside 0..9 leaves the editor's value as it is.
void apply_view_settings(const Settings& settings, Editor& editor);

// The close step's writing: `filearch` rewritten whole (atomically), unless
// start-up failed or the settings file was not read whole. A file that cannot
// be created is silently not written; the result says whether it was.
bool write_back_at_close(const Workspace& ws);

}  // namespace quilm

#include "app/startup.h"

#include <cstdio>
#include <optional>
#include <string>

#include "app/file_attributes.h"
#include "common/file_io.h"

namespace quilm {
namespace {

std::string file_message(const char* message, const std::string& file) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, message, file.c_str());
  return buffer;
}

std::string file_blocked_message(const std::string& file) { return file_message(kFileBlockedMessage, file); }

// The main word list only has to be readable here; the spelling checker reads
// its sections. A missing file is said to be missing, not blocked.
std::optional<std::string> main_word_list_problem(const Workspace& ws) {
  const std::filesystem::path path = ws.data_file(kMainWordList);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return file_message(kFileMissingMessage, kMainWordList);
  if (!read_file(path).has_value()) return file_blocked_message(kMainWordList);
  return std::nullopt;
}

}  // namespace

void apply_view_settings(const Settings& settings, Editor& editor) {
  if (settings.view_mode >= 0 && settings.view_mode <= 2) editor.SetViewMode(settings.view_mode);
  if (auto percent = zoom_percent(settings.zoom_step)) editor.SetZoomFactor(*percent);
}

CreationResult load_startup_state(Workspace& ws, const std::filesystem::path& data_folder,
                                  Editor& editor, Prompter& prompter) {
  ws.data_folder = data_folder;

  if (const std::optional<std::string> problem = main_word_list_problem(ws)) {
    prompter.message(*problem);
    ws.startup_failed = true;
    return CreationResult::Failed;
  }

  editor.SetLockWindowUpdate(false);

  const std::filesystem::path settings_path = ws.data_file(kSettingsFile);
  std::error_code ec;
  if (!std::filesystem::exists(settings_path, ec)) {
    prompter.message(kSettingsMissingMessage);
    ws.startup_failed = true;
    return CreationResult::Failed;
  }
  std::optional<Bytes> contents = read_file(settings_path);
  if (!contents) {
    prompter.message(file_blocked_message(kSettingsFile));
    ws.startup_failed = true;
    return CreationResult::Failed;
  }

  SettingsRead read = parse_settings(*contents);
  ws.settings = read.settings;
  if (!read.status.ok()) {
    prompter.error(read.status.message());
    return CreationResult::SettingsError;
  }
  ws.settings_complete = true;

  apply_view_settings(ws.settings, editor);
  ChangeFileAttributes(ws.data_folder);
  editor.SetFontName("Quilm2010");
  editor.SetFormatSelection(true);
  return CreationResult::Ready;
}

bool write_back_at_close(const Workspace& ws) {
  if (ws.startup_failed || !ws.settings_complete) return false;
  return write_file_atomically(ws.data_file(kSettingsFile), format_settings(ws.settings)).ok();
}

}  // namespace quilm

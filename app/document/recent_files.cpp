#include "app/document/recent_files.h"

namespace quilm {

std::string recent_path(const std::string& caption) { return caption.size() > 2 ? caption.substr(2) : ""; }

bool remember_recent_file(Settings& settings, const std::string& document_name, const std::filesystem::path& path) {
  const std::string p = path.string();
  if (document_name.empty() || p == recent_path(settings.recent_file1) || p == recent_path(settings.recent_file2))
    return false;
  settings.recent_file2 = "&2" + recent_path(settings.recent_file1);
  settings.recent_file1 = "&1" + p;
  return true;
}

std::string recent_menu_text(const std::string& caption) {
  const std::string path = recent_path(caption);
  if (path.empty()) return {};
  std::string text = caption.substr(0, 2) + " ";
  for (char c : path) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace quilm

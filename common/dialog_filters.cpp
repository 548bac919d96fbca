#include "common/dialog_filters.h"

#include <string_view>

namespace quilm {
namespace {

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = s.find(separator, start);
    parts.push_back(s.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The caption without the masks it shows in its last parentheses.
std::string_view caption_without_masks(std::string_view caption) {
  caption = trimmed(caption);
  const std::size_t open = caption.rfind('(');
  if (!caption.empty() && caption.back() == ')' && open != std::string_view::npos) caption = caption.substr(0, open);
  return trimmed(caption);
}

std::string dialog_masks(std::string_view masks) {
  std::string out;
  for (std::string_view mask : split(masks, ';')) {
    mask = trimmed(mask);
    if (mask.empty()) continue;
    if (!out.empty()) out += ' ';
    out += mask == "*.*" ? std::string_view("*") : mask;
  }
  return out;
}

}  // namespace

std::vector<std::string> dialog_name_filters(const std::string& filter) {
  const std::vector<std::string_view> parts = split(filter, '|');
  std::vector<std::string> filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    const std::string masks = dialog_masks(parts[i + 1]);
    if (masks.empty()) continue;
    filters.push_back(std::string(caption_without_masks(parts[i])) + " (" + masks + ")");
  }
  return filters;
}

}  // namespace quilm

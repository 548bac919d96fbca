#include "app/document/file_formats.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace quilm {
namespace {

struct ExtensionFormat {
  std::string_view extension;
  FormatCode format;
};

constexpr std::array<ExtensionFormat, 9> kOpenedAs = {{
    {".DOC", FormatCode::Word},
    {".TXT", FormatCode::PlainText},
    {".HTM", FormatCode::Html},
    {".HTML", FormatCode::Html},
    {".RTF", FormatCode::Rtf},
    {".PBI", FormatCode::Pbi},
    {".XML", FormatCode::Xml},
    {".CSS", FormatCode::Css},
    {".PDF", FormatCode::Pdf},
}};

constexpr std::array<SaveAsFilter, 6> kSaveAsFilters = {{
    {FormatCode::Word, ".doc"},
    {FormatCode::PlainText, ".txt"},
    {FormatCode::Html, ".htm"},
    {FormatCode::Rtf, ".rtf"},
    {FormatCode::Pbi, ".pbi"},
    {FormatCode::Xml, ".xml"},  // "All files (*.*)"
}};

constexpr int kUnicodeTextFilter = 3;

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::string upper_extension(const std::filesystem::path& path) { return upper(path.extension().string()); }

FormatCode format_for_opening(const std::filesystem::path& path, int open_filter_index) {
  const std::string extension = upper_extension(path);
  if (extension == ".TXT" && open_filter_index == kUnicodeTextFilter) return FormatCode::Unicode;
  for (const ExtensionFormat& e : kOpenedAs)
    if (e.extension == extension) return e.format;
  return FormatCode::PlainText;
}

std::optional<SaveAsFilter> save_as_filter(int filter_index) {
  if (filter_index < 1 || filter_index > static_cast<int>(kSaveAsFilters.size())) return std::nullopt;
  return kSaveAsFilters[static_cast<std::size_t>(filter_index - 1)];
}

std::filesystem::path with_forced_extension(const std::filesystem::path& path, const std::string& extension) {
  const std::string have = upper_extension(path);
  const std::string want = upper(extension);
  if (have == want || (want == ".HTM" && have == ".HTML")) return path;
  std::filesystem::path forced = path;
  forced.replace_extension(extension);
  return forced;
}

}  // namespace quilm

#include "convert/file_types.h"

#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace quilm {
namespace {

struct ExtensionFormat {
  std::string_view extension;
  FormatCode format;
};

constexpr std::array kByExtension = {
    ExtensionFormat{".PBI", FormatCode::Pbi},  ExtensionFormat{".TXT", FormatCode::PlainText},
    ExtensionFormat{".ACI", FormatCode::PlainText}, ExtensionFormat{".HTM", FormatCode::Html},
    ExtensionFormat{".HTML", FormatCode::Html}, ExtensionFormat{".DOC", FormatCode::Word},
    ExtensionFormat{".RTF", FormatCode::Rtf},
};

std::optional<FormatCode> known_format(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  for (const ExtensionFormat& e : kByExtension)
    if (e.extension == extension) return e.format;
  return std::nullopt;
}

}  // namespace

FormatCode source_file_format(const std::filesystem::path& path) {
  return known_format(path).value_or(FormatCode::PlainText);
}

FormatCode document_file_format(const std::filesystem::path& path) {
  const FormatCode format = source_file_format(path);
  if (format != FormatCode::PlainText) return format;
  char mark[2] = {};
  std::ifstream file(path, std::ios::binary);
  const bool utf16 = file.read(mark, 2) && ((mark[0] == '\xFF' && mark[1] == '\xFE') || (mark[0] == '\xFE' && mark[1] == '\xFF'));
  return utf16 ? FormatCode::Unicode : format;
}

FormatCode destination_file_format(const std::filesystem::path& path, FormatCode current) {
  return known_format(path).value_or(current);
}

}  // namespace quilm

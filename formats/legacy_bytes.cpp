#include "formats/legacy_bytes.h"

#include <array>

#include "editor/run_list.h"

namespace quilm {
namespace {

// Bytes 0x80 to 0x9F of code page 1252; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char16_t kSymbolFirst = 0xF020, kSymbolLast = 0xF0FF;

// LibreOffice reads the bytes that code page 1252 leaves undefined as the
// private-use codes U+F100 + byte.
constexpr char16_t kUndefinedBytes[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

}  // namespace

char16_t cp1252_char(std::uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<std::uint8_t> cp1252_byte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::uint8_t>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c) return static_cast<std::uint8_t>(0x80 + i);
  return std::nullopt;
}

std::optional<std::uint8_t> legacy_byte_for(char16_t c) {
  if (c >= kSymbolFirst && c <= kSymbolLast) return static_cast<std::uint8_t>(c & 0xFF);
  for (const char16_t b : kUndefinedBytes)
    if (c == 0xF100 + b) return static_cast<std::uint8_t>(b);
  if (c <= 0xFF) return std::nullopt;
  return cp1252_byte(c);
}

void restore_legacy_bytes(Document& doc, const LegacyFontTest& legacy) {
  if (!legacy) return;
  for (TextRun& run : doc.runs) {
    if (!legacy(run.format.font_name)) continue;
    for (char16_t& c : run.text)
      if (const auto byte = legacy_byte_for(c)) c = *byte;
  }
  merge_runs(doc.runs);
}

}  // namespace quilm

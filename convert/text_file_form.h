// How a text file is written: its encoding, byte-order mark and line ends.
// An imported text file keeps its own form when it is saved again; the
// exports write the program's UTF-16 files (CR LF) or, beside them, UTF-8
// as text files are on Linux (LF, no mark).
#pragma once

#include <string>
#include <string_view>

#include "common/bytes.h"

namespace quilm {

struct TextFileForm {
  enum class Encoding { EightBit, Utf8, Utf16 };
  Encoding encoding = Encoding::Utf16;
  bool byte_order_mark = true;
  bool crlf = true;  // lines end in CR LF; in LF alone otherwise
  bool operator==(const TextFileForm&) const = default;
};

inline constexpr TextFileForm kProgramUnicodeForm{TextFileForm::Encoding::Utf16, true, true};
inline constexpr TextFileForm kLinuxUtf8Form{TextFileForm::Encoding::Utf8, false, false};

// Whether text ends its lines in CR LF: its first line end decides (a CR
// alone counts as CR LF, which it is closest to); text without a line end
// takes LF, as new text on Linux.
bool crlf_line_ends(std::u16string_view text);
bool crlf_line_ends(BytesView bytes);

// Text whose lines end in CR LF (as the exports produce it) with the line
// ends of `form`.
std::u16string with_line_ends(std::u16string text, const TextFileForm& form);
Bytes with_line_ends(Bytes bytes, const TextFileForm& form);

// Unicode text (lines ending in CR LF) as the bytes of a Unicode `form`
// (UTF-8 or UTF-16LE, with the mark when the form has one).
Bytes encode_unicode_text(std::u16string_view text, const TextFileForm& form);

}  // namespace quilm

// Format 5, the RTF reader: documents written by this program, by Word and
// other Windows word processors, and by LibreOffice.
//
// It keeps what the editor holds: the font of every run (\fN through the font
// table), sizes, bold, italic, underline, strike-through, text and background
// colours, paragraph alignment and the page values (\paperw … \margb into the
// document values 0 to 5). Text arrives as literal bytes, \'hh and \uN; a byte
// is read in the code page of its font's character set (Windows 1252 for most
// fonts, the byte itself for a symbol font), and \uN skips its \ucN fallback
// characters. Headers, footers, pictures, fields' instructions, list labels
// and every \* destination it does not know are skipped; a table cell ends
// with a tab and a row with a paragraph break.
//
// The bytes of legacy-font runs come back through restore_legacy_bytes, which
// the format dispatch applies after reading.
//
// A file that does not start with {\rtf or whose groups do not close is
// refused with a message; `out` is then left alone.
#pragma once

#include "editor/document.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

Status read_rtf(BytesView bytes, const CharFormat& default_format, Document& out);

}  // namespace quilm

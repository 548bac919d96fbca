// Formats 4 (HTML) and 11 (CSS): the document as an HTML page, UTF-8, one <p>
// per paragraph with its alignment and one <span> per run. HTML gives every
// span its style inline; CSS writes each distinct character format once as
// a class in a <style> sheet and gives the spans their class. The body keeps
// white space as it is (white-space: pre-wrap), so blanks and tabs survive.
//
// Control characters and U+007F … U+009F (glyph bytes of legacy fonts) are
// written as character references; a browser reads &#147; as the code page
// 1252 quotation mark, as the HTML reader does, and a legacy-font run gets
// its byte back from restore_legacy_bytes.
#pragma once

#include "editor/document.h"
#include "common/bytes.h"

namespace quilm {

enum class HtmlStyles { Inline, StyleSheet };

Bytes write_html(const Document& doc, HtmlStyles styles);

}  // namespace quilm

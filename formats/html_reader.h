// Formats 4 (HTML) and 11 (CSS): reading an HTML page into runs and
// paragraphs, the pages of this program and those of other programs.
//
// Block elements (p, div, h1 … h6, li, tr, pre …) make paragraphs, with the
// alignment of their text-align style or align attribute; <br> breaks one.
// Character formats come from inline styles, from class rules of <style>
// sheets (".name", "tag.name", "tag"), and from b, strong, i, em, u, s,
// strike, del and font (face, size, color). White space collapses as in a
// browser unless an element keeps it (pre, white-space: pre-wrap). The page
// is read as UTF-8 when it is valid UTF-8 and otherwise in code page 1252,
// the usual charset of legacy Gurmukhi pages. The contents of head, script
// and style do not become text.
//
// Text with no font of its own takes `default_format`.
#pragma once

#include "editor/document.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

Status read_html(BytesView bytes, const CharFormat& default_format, Document& out);

}  // namespace quilm

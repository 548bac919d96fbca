// Formats 3 (.pbi, the program's own) and 10 (XML): the document as XML that
// keeps everything the editor holds, so that a file reads back exactly as it
// was written.
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <quilm-document version="1">
//     <values>11906 16838 1440 1440 1440 1440</values>
//     <alignments>left center</alignments>
//     <paragraph index="1" left="720" list="4" numbering="3" …/>
//     <page-numbers place="footer" alignment="center" first="1"/>
//     <run font="AnmolLipi" size="16" bold="1" italic="0" underline="0"
//          strike="0" color="000000" background="FFFFFF">ਸਤਿ<br/>…</run>
//   </quilm-document>
//
// The runs are the document's runs in order; <br/> is a paragraph break and
// there is one alignment per paragraph; a paragraph whose other values are not
// the defaults has a <paragraph> element (formats/paragraph_xml.h). Characters XML cannot hold (controls
// below U+0020 other than tab, U+FFFE, U+FFFF, unpaired surrogates) are
// written <c u="1E"/>; U+007F … U+009F, which legacy fonts use as glyph
// bytes, as character references so that they stay visible. Text is UTF-8.
#pragma once

#include "editor/document.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

Bytes write_document_xml(const Document& doc);

// A file that is not such a document, or one whose parts disagree (a
// paragraph without its alignment), is refused with a message; `out` is
// then left alone.
Status read_document_xml(BytesView bytes, Document& out);

}  // namespace quilm

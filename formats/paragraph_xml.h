// The paragraph formats of a .pbi/XML document beyond the alignment: one
// <paragraph index="n" …/> element for each paragraph whose indents,
// spacing, tab stops, list or frame are not the defaults. An attribute left
// out keeps its default, so a document reads back exactly as it was written.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/status.h"
#include "editor/editor.h"
#include "formats/xml_scanner.h"

namespace quilm {

void append_paragraph_formats(std::string& out, const std::vector<ParagraphFormat>& paragraphs);

// Reads one <paragraph> element into `formats` as (index, format); the
// alignment is the document's own. A bad value gives an error whose message
// says what is wrong.
Status read_paragraph_format(const XmlEvent& element, std::vector<std::pair<int, ParagraphFormat>>& formats);

}  // namespace quilm

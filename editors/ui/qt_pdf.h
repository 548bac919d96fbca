// PDF of the document through Qt's PDF writer. The pages are drawn with the
// fonts the program shows, the stand-ins of the legacy Gurmukhi fonts
// included, so the PDF looks like the document on screen and needs no
// other program.
#pragma once

#include <QTextDocument>

#include "editor/editor.h"
#include "common/bytes.h"

namespace quilm {

// The PDF file of `doc` on paper of `page` (twips), its margins kept.
Bytes document_pdf(const QTextDocument& doc, const Editor::PageLayout& page);

}  // namespace quilm

// PDF of the document through Qt's PDF writer. The pages are drawn with the
// fonts the program shows, the stand-ins of the legacy Gurmukhi fonts
// included, so the PDF looks like the document on screen and needs no
// other program.
#pragma once

#include <QPageLayout>
#include <QTextDocument>

#include "editor/editor.h"
#include "common/bytes.h"

namespace quilm {

// The page layout of `page` (twips) in points, portrait on paper of exactly
// its size; paper under two inches each way is widened to two inches, and
// margins that would leave less than an inch between them shrink in proportion.
QPageLayout qt_page_layout(const Editor::PageLayout& page);

// The PDF file of `doc` on paper of `page` (twips), its margins kept.
Bytes document_pdf(const QTextDocument& doc, const Editor::PageLayout& page);

}  // namespace quilm

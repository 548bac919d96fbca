// A QTextDocument as the editor's plain Document and back, so that the Qt
// editor reads and writes files with the same readers and writers as the
// in-memory one.
#pragma once

#include <QTextCursor>
#include <QTextDocument>

#include "editor/document.h"

namespace quilm {

// In Qt a paragraph break is no character of a block: it lies between two
// blocks, and its format is the character format of the block after it.
Document document_of(const QTextDocument& doc);

// The format of the character at `position` (0 <= position < length).
CharFormat format_at(const QTextDocument& doc, int position);

// Inserts the runs at the cursor, then aligns the paragraphs they fill,
// starting with the cursor's.
void insert_document(QTextCursor& cursor, const Document& doc);

}  // namespace quilm

// A paragraph format in a QTextDocument. The editor's values are kept whole
// in properties of the block format, so that they read back exactly as they
// were set; Qt draws what it can of them: alignment, indents, spacing, line
// spacing and tab stops through the block format, bullets and numbers
// through QTextList.
#pragma once

#include <QTextBlock>
#include <QTextCursor>

#include "editor/editor.h"

namespace quilm {

ParagraphFormat paragraph_format_of(const QTextBlock& block);

// Gives the block of `cursor` the format `p`; a list paragraph joins the list
// of the block before it when that list looks the same, or starts one.
void set_paragraph_format(QTextCursor& cursor, const ParagraphFormat& p);

}  // namespace quilm

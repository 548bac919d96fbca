// How many pages the document fills on paper of a given size and margins.
#pragma once

#include <QTextDocument>

#include "app/editor/editor.h"

namespace quilm {

// Lays out a copy of `doc` in points on the printable area of `page`.
int pages_of(const QTextDocument& doc, const Editor::PageLayout& page);

}  // namespace quilm

// How many pages the document fills on paper of a given size and margins.
#pragma once

#include <QImage>
#include <QTextDocument>
#include <memory>

#include "editor/editor.h"

namespace quilm {

// A paint device of 72 dots per inch, so that one unit of a layout is one point.
QImage point_device();

// A copy of `doc` laid out on `device` (which outlives it) on the printable
// area of `page`, without a margin of its own.
std::unique_ptr<QTextDocument> paged_copy(const QTextDocument& doc, const Editor::PageLayout& page,
                                          QPaintDevice& device);

// Lays out a copy of `doc` in points on the printable area of `page`.
int pages_of(const QTextDocument& doc, const Editor::PageLayout& page);

}  // namespace quilm

// The document as plain values: runs of formatted text and one alignment per
// paragraph. The in-memory editor keeps its text this way, the Qt editor
// converts to and from it, and every format reader and writer works on it, so
// both editors read and write files the same way.
#pragma once

#include <array>
#include <vector>

#include "editor/editor.h"

namespace quilm {

struct Document {
  // Runs in order, merged: no empty run, no two neighbours of equal format.
  // Paragraph breaks are kParagraphBreak characters inside the runs.
  std::vector<TextRun> runs;
  // The format of each paragraph, so always one more than the paragraph breaks.
  std::vector<ParagraphFormat> paragraphs{ParagraphFormat{}};
  // The six document values a file keeps (Editor::DocumentValue). Formats
  // without a place for them read them as 0 and write nothing.
  std::array<int, Editor::kDocumentValues> values{};
  // Formats without a place for it read no page numbers and write none.
  PageNumbering page_numbers;

  bool operator==(const Document&) const = default;
};

// A document of one format; its paragraphs are left-aligned.
Document document_from_text(std::u16string text, const CharFormat& format);

std::u16string text_of(const std::vector<TextRun>& runs);
int length_of(const std::vector<TextRun>& runs);
int paragraph_breaks_in(const std::vector<TextRun>& runs);

// Position of the first character of each paragraph; the first is 0.
std::vector<int> paragraph_starts(const std::vector<TextRun>& runs);

}  // namespace quilm

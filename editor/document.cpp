#include "editor/document.h"

#include <algorithm>

#include "editor/run_list.h"

namespace quilm {

Document document_from_text(std::u16string text, const CharFormat& format) {
  Document doc;
  doc.runs.push_back({std::move(text), format});
  merge_runs(doc.runs);
  doc.paragraphs.assign(paragraph_breaks_in(doc.runs) + 1, Alignment::Left);
  return doc;
}

std::u16string text_of(const std::vector<TextRun>& runs) {
  std::u16string text;
  text.reserve(length_of(runs));
  for (const TextRun& run : runs) text += run.text;
  return text;
}

int length_of(const std::vector<TextRun>& runs) {
  int length = 0;
  for (const TextRun& run : runs) length += static_cast<int>(run.text.size());
  return length;
}

int paragraph_breaks_in(const std::vector<TextRun>& runs) {
  int breaks = 0;
  for (const TextRun& run : runs) {
    breaks += static_cast<int>(std::count(run.text.begin(), run.text.end(), kParagraphBreak));
  }
  return breaks;
}

std::vector<int> paragraph_starts(const std::vector<TextRun>& runs) {
  std::vector<int> starts{0};
  int position = 0;
  for (const TextRun& run : runs) {
    for (const char16_t c : run.text) {
      ++position;
      if (c == kParagraphBreak) starts.push_back(position);
    }
  }
  return starts;
}

}  // namespace quilm

#include "app/editor/document.h"

#include <algorithm>

#include "app/editor/run_list.h"

namespace quilm {
namespace {

// Index of the paragraph that holds `position`: the breaks before it.
std::ptrdiff_t paragraph_of(const std::vector<TextRun>& runs, int position) {
  std::ptrdiff_t breaks = 0;
  int run_start = 0;
  for (const TextRun& run : runs) {
    if (run_start >= position) break;
    const auto end = run.text.begin() + std::min<std::ptrdiff_t>(position - run_start, run.text.size());
    breaks += std::count(run.text.begin(), end, kParagraphBreak);
    run_start += static_cast<int>(run.text.size());
  }
  return breaks;
}

}  // namespace

Document document_from_text(std::u16string text, const CharFormat& format) {
  Document doc;
  doc.runs.push_back({std::move(text), format});
  merge_runs(doc.runs);
  doc.alignments.assign(paragraph_breaks_in(doc.runs) + 1, Alignment::Left);
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

void replace_in_document(Document& doc, int start, int removed, const std::vector<TextRun>& inserted,
                         const std::vector<Alignment>& alignments) {
  const auto first = doc.alignments.begin() + paragraph_of(doc.runs, start);
  const auto last = doc.alignments.begin() + paragraph_of(doc.runs, start + removed) + 1;
  const auto at = doc.alignments.erase(first, last);
  doc.alignments.insert(at, alignments.begin(), alignments.end());
  splice_runs(doc.runs, start, start + removed, inserted);
}

}  // namespace quilm

#include "app/editor/run_list.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace quilm {
namespace {

int size_of(const TextRun& run) { return static_cast<int>(run.text.size()); }

// Splits the run that holds `position` so that a run starts there; gives the
// index of that run (runs.size() when `position` is the end of the text).
std::size_t split_at(std::vector<TextRun>& runs, int position) {
  int run_start = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (position == run_start) return i;
    const int run_end = run_start + size_of(runs[i]);
    if (position < run_end) {
      const int offset = position - run_start;
      TextRun tail{runs[i].text.substr(offset), runs[i].format};
      runs[i].text.resize(offset);
      runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
      return i + 1;
    }
    run_start = run_end;
  }
  return runs.size();
}

// Merges the runs [first, last) and their neighbours on either side.
void merge_around(std::vector<TextRun>& runs, std::size_t first, std::size_t last) {
  const auto from = runs.begin() + static_cast<std::ptrdiff_t>(first > 0 ? first - 1 : 0);
  const auto to = runs.begin() + static_cast<std::ptrdiff_t>(std::min(last + 1, runs.size()));
  std::vector<TextRun> window(std::make_move_iterator(from), std::make_move_iterator(to));
  merge_runs(window);
  const auto at = runs.erase(from, to);
  runs.insert(at, std::make_move_iterator(window.begin()), std::make_move_iterator(window.end()));
}

}  // namespace

void merge_runs(std::vector<TextRun>& runs) {
  std::vector<TextRun> merged;
  merged.reserve(runs.size());
  for (TextRun& run : runs) {
    if (run.text.empty()) continue;
    if (!merged.empty() && merged.back().format == run.format) {
      merged.back().text += run.text;
    } else {
      merged.push_back(std::move(run));
    }
  }
  runs = std::move(merged);
}

std::vector<TextRun> slice_runs(const std::vector<TextRun>& runs, int start, int end) {
  std::vector<TextRun> out;
  int run_start = 0;
  for (const TextRun& run : runs) {
    if (run_start >= end) break;
    const int run_end = run_start + size_of(run);
    const int from = std::max(start, run_start);
    const int to = std::min(end, run_end);
    if (from < to) out.push_back({run.text.substr(from - run_start, to - from), run.format});
    run_start = run_end;
  }
  return out;
}

void splice_runs(std::vector<TextRun>& runs, int start, int end, const std::vector<TextRun>& inserted) {
  const std::size_t first = split_at(runs, start);
  const std::size_t last = split_at(runs, end);
  const auto at = runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(first),
                             runs.begin() + static_cast<std::ptrdiff_t>(last));
  runs.insert(at, inserted.begin(), inserted.end());
  merge_around(runs, first, first + inserted.size());
}

std::vector<TextRun> with_change(std::vector<TextRun> runs, const FormatChange& change) {
  for (TextRun& run : runs) change.apply_to(run.format);
  merge_runs(runs);
  return runs;
}

namespace {

// The run that holds `position` and the position of its first character.
std::pair<const TextRun*, int> run_holding(const std::vector<TextRun>& runs, int position) {
  assert(!runs.empty());
  int run_start = 0;
  for (const TextRun& run : runs) {
    if (position < run_start + size_of(run)) return {&run, run_start};
    run_start += size_of(run);
  }
  return {&runs.back(), run_start - size_of(runs.back())};
}

}  // namespace

const CharFormat& format_at(const std::vector<TextRun>& runs, int position) {
  return run_holding(runs, position).first->format;
}

char16_t char_at(const std::vector<TextRun>& runs, int position) {
  const auto [run, run_start] = run_holding(runs, position);
  return run->text[static_cast<std::size_t>(position - run_start)];
}

}  // namespace quilm

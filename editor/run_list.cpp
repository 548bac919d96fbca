#include "editor/run_list.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <utility>

namespace quilm {
namespace {

int size_of(const TextRun& run) { return static_cast<int>(run.text.size()); }

// Index of the run that holds `position` and the position where it starts;
// past the last run for the end of the text.
std::pair<std::size_t, int> run_holding(const std::vector<TextRun>& runs, int position) {
  int run_start = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (position < run_start + size_of(runs[i])) return {i, run_start};
    run_start += size_of(runs[i]);
  }
  return {runs.size(), run_start};
}

// Puts `window` in place of the runs [first, last), moving the runs after
// them once at most.
void replace_runs(std::vector<TextRun>& runs, std::size_t first, std::size_t last, std::vector<TextRun>& window) {
  const std::size_t common = std::min(last - first, window.size());
  const auto at = runs.begin() + static_cast<std::ptrdiff_t>(first);
  std::move(window.begin(), window.begin() + static_cast<std::ptrdiff_t>(common), at);
  const auto rest = at + static_cast<std::ptrdiff_t>(common);
  if (window.size() > common) {
    runs.insert(rest, std::make_move_iterator(window.begin() + static_cast<std::ptrdiff_t>(common)),
                std::make_move_iterator(window.end()));
  } else {
    runs.erase(rest, runs.begin() + static_cast<std::ptrdiff_t>(last));
  }
}

// An edit inside one run that puts in text of that run's format (typing,
// replacing a word, deleting inside a run) changes that run's text where it
// is; nothing else moves. Gives false when the edit is not of that kind.
bool splice_in_place(std::vector<TextRun>& runs, int start, int end, const std::vector<TextRun>& inserted) {
  if (inserted.size() > 1) return false;
  int run_start = 0;
  for (TextRun& run : runs) {
    if (run_start > start) return false;
    const int run_end = run_start + size_of(run);
    const bool holds = end <= run_end && (start < run_end || start == end);
    if (!holds) {
      run_start = run_end;
      continue;
    }
    const bool same_format = inserted.empty() || inserted.front().format == run.format;
    const bool run_stays = !inserted.empty() || end - start < size_of(run);
    if (same_format && run_stays) {
      run.text.replace(start - run_start, end - start, inserted.empty() ? u"" : inserted.front().text);
      return true;
    }
    run_start = run_end;
  }
  return false;
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

// The runs from the one before `start` to the one that holds `end` are
// rebuilt (what stays of them around the inserted runs, merged) and put back.
void splice_runs(std::vector<TextRun>& runs, int start, int end, const std::vector<TextRun>& inserted) {
  if (splice_in_place(runs, start, end, inserted)) return;
  const auto [first, first_start] = run_holding(runs, start);
  const auto [last, last_start] = run_holding(runs, end);
  const std::size_t from = first > 0 ? first - 1 : 0;
  const std::size_t to = std::min(last + 1, runs.size());

  std::vector<TextRun> window(runs.begin() + static_cast<std::ptrdiff_t>(from),
                              runs.begin() + static_cast<std::ptrdiff_t>(std::min(first, runs.size())));
  if (first < runs.size()) window.push_back({runs[first].text.substr(0, start - first_start), runs[first].format});
  window.insert(window.end(), inserted.begin(), inserted.end());
  if (last < runs.size()) window.push_back({runs[last].text.substr(end - last_start), runs[last].format});
  merge_runs(window);
  replace_runs(runs, from, to, window);
}

std::vector<TextRun> with_change(std::vector<TextRun> runs, const FormatChange& change) {
  for (TextRun& run : runs) change.apply_to(run.format);
  merge_runs(runs);
  return runs;
}

const CharFormat& format_at(const std::vector<TextRun>& runs, int position) {
  const std::size_t run = run_holding(runs, position).first;
  assert(run < runs.size());
  return runs[run].format;
}

char16_t char_at(const std::vector<TextRun>& runs, int position) {
  const auto [run, run_start] = run_holding(runs, position);
  assert(run < runs.size());
  return runs[run].text[static_cast<std::size_t>(position - run_start)];
}

}  // namespace quilm

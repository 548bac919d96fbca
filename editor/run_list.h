// Operations on a list of formatted runs: cutting out a stretch, putting one
// in, changing the format of a stretch, finding the format at a position.
// Every function that returns or changes a list leaves it merged.
#pragma once

#include <vector>

#include "editor/editor.h"

namespace quilm {

// Drops empty runs and joins neighbours of equal format.
void merge_runs(std::vector<TextRun>& runs);

// The characters [start, end) with their formats.
std::vector<TextRun> slice_runs(const std::vector<TextRun>& runs, int start, int end);

// Replaces the characters [start, end) by `inserted`.
void splice_runs(std::vector<TextRun>& runs, int start, int end, const std::vector<TextRun>& inserted);

// Every character keeps its text and gets `change` applied to its format.
std::vector<TextRun> with_change(std::vector<TextRun> runs, const FormatChange& change);

// Format and code of the character at `position` (0 <= position < length).
const CharFormat& format_at(const std::vector<TextRun>& runs, int position);
char16_t char_at(const std::vector<TextRun>& runs, int position);

}  // namespace quilm

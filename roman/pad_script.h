// A script of typing pad events, one per line, replayed on a pad:
//   type TEXT        each character of TEXT typed in turn (\n \t \\ escapes)
//   paste TEXT       TEXT put in place of the selection at once
//   backspace        the selection, or the character before the caret, deleted
//   delete           the selection, or the character at the caret, deleted
//   select FROM TO   the characters FROM..TO selected (0-based, caret at TO)
//   move N           the caret put at N
//   choose N         alternative N of the current word chosen
//   retransliterate  every word transliterated again
// Empty lines and lines starting with # are skipped. Positions count UTF-16
// units of the Roman text and are clamped to it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"
#include "roman/typing_pad.h"

namespace quilm {

// Replays `script` (UTF-8). A line that is no event stops the replay with
// its number in the message; `notes` gets one line for each event the pad
// refused (a choice out of range, a word beyond the limit).
Status replay_pad_script(TypingPad& pad, std::string_view script, std::vector<std::string>* notes);

// Replays one event line (without its line end).
Status replay_pad_event(TypingPad& pad, std::string_view line, std::vector<std::string>* notes);

}  // namespace quilm

// "Transliterate Roman to Gurmukhi" (F6): the Roman-letter text of the
// document, or of its selection, written in Gurmukhi into the editor of the
// "Punjabi Text" window, in the Quilm encoding and the font "Quilm2010".
// Each word is ranked by the words before it and decided by the two after
// it (queued_roman_text.h). Blanks, digits and punctuation are copied as they
// stand; a full stop after a Punjabi word shows as a danda, after an
// abbreviation as a full stop; characters the Quilm font cannot show (any
// beyond ASCII) keep the font they had.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/registry.h"
#include "roman/roman_data.h"

namespace quilm {

inline constexpr const char* kRomanToGurmukhiCaption = "Transliterating from Roman to Gurmukhi...";
inline constexpr const char* kOnlyRomanText = "Only Punjabi text in Roman Font can be transliterated";
inline constexpr std::string_view kPunjabiTextFont = "Quilm2010";

struct PunjabiTextTools {
  const RomanData& data;
  const FontRegistry& fonts;
  Prompter& prompter;  // the status caption, the progress and the refusal
  bool queue = true;   // decide words by the two words after them
};

// What the command reads: the selection, or the whole document when
// nothing is selected, and the font it is in.
struct PunjabiTextSource {
  std::u16string text;
  std::string font;
};

// The source of `editor`; nothing when it is in a Gurmukhi font, which the
// prompter is told with kOnlyRomanText.
std::optional<PunjabiTextSource> punjabi_text_source(const Editor& editor, const FontRegistry& fonts,
                                                     Prompter& prompter);

// The transliteration of `source` as runs of one font each. `progress` is
// told how many of the source's bytes (as UTF-8) are done, now and then;
// when it answers false the work stops and nothing is returned. Reads only
// `data` and its own conversion tables, so it may run on a worker thread.
std::optional<std::vector<TextRun>> punjabi_text_runs(const RomanData& data, const PunjabiTextSource& source,
                                                      bool queue, const std::function<bool(long done)>& progress);

// Empties `output` and writes the runs into it, the caret at the start.
void write_punjabi_text(const std::vector<TextRun>& runs, Editor& output);

// Convert, start to end on this thread: empties `output` and writes the
// transliteration of `source` into it. Text in a Gurmukhi font is refused
// (false; the output stays empty). The progress bar and the caption are
// taken down on every path.
bool transliterate_roman_document(const Editor& source, Editor& output, const PunjabiTextTools& tools);

// "Save": asks for a file ("NoName.Doc" proposed) as a Word document, text,
// HTML or RTF; the filter chosen gives the extension (a name with another
// one gets it) and the format; asks before replacing a file. False when the
// user cancelled or the file could not be written (the prompter was told why).
bool SavePunjabiText(const Editor& output, FileDialogs& dialogs, Prompter& prompter);

}  // namespace quilm

// The typing pad's Gurmukhi text put into the document: written in the
// Punjabi default font (glyph bytes for a Gurmukhi font, Unicode for any
// other) and inserted at the caret.
#pragma once

#include <string>
#include <string_view>

#include "common/status.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "roman/typing_pad.h"

namespace quilm {

// The Gurmukhi pane as text of `font_name`: a Gurmukhi font's glyph bytes
// one character each, or Unicode.
std::u16string pad_text_in_font(const TypingPad& pad, std::string_view font_name, const FontRegistry& registry,
                                const FontConverter& converter);

// Inserts the pad's Gurmukhi text at the editor's caret (the selection
// collapsed to its start) in `font_name`, as one undo step; text typed
// afterwards keeps the font it had. An empty pad is refused with a message
// and nothing changes.
Status paste_pad_text(const TypingPad& pad, Editor& editor, const std::string& font_name,
                      const FontRegistry& registry, const FontConverter& converter);

inline constexpr char kNothingToPasteMessage[] = "The Gurmukhi pane is empty: there is nothing to paste.";

}  // namespace quilm

// The state that conversion keeps between calls, for the whole run: the
// typing-context flag and the writer context. The workspace owns one
// ConversionContext and hands it by reference to the FontConverter of each
// tool, so two workspaces never share it.
#pragma once

#include <cstdint>

namespace quilm {

// The last two pivot bytes that any writer handled. A writer starts each call
// with what the previous call left, whichever writer made it, so a key typed
// alone still sees the glyphs before it.
struct WriterContext {
  std::uint8_t previous = 0;
  std::uint8_t before_previous = 0;
};

struct ConversionContext {
  // On while the editor takes keystrokes, off while a tool converts text:
  // it lets the writers join a typed glyph with the glyphs before the caret.
  bool typing = false;
  WriterContext writer;
  // Set by every writer call: how many characters before the insertion point
  // the typed text replaces (a joined glyph takes the place of the glyphs
  // that earlier keys produced). The typing code deletes them in the editor
  // before it inserts the result.
  int erase_before_caret = 0;
};

}  // namespace quilm

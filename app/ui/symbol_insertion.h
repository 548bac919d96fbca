// initialise_formfind: the glyphs of an on-screen key (Quilm encoding) put
// into whichever input has the focus, converted into that input's font.
// The Add Word window's Gurmukhi box takes them whenever that window is
// shown; a box of a tool window that has the focus takes them at its
// cursor; otherwise the editor takes them at the caret, through the
// on-screen legality check.
#pragma once

#include <QByteArray>

#include "typing/symbol_insertion.h"

class QLineEdit;
class QTextEdit;

namespace quilm::ui {

struct SymbolPlaces {
  QTextEdit* editor = nullptr;       // richedit1
  QLineEdit* add_word_box = nullptr;  // the Add Word window's Gurmukhi box, when the window is made
};

void initialise_formfind(const QByteArray& quilm, const SymbolPlaces& places, typing::Keyboard& kb,
                         const typing::PunjabiDefault& fallback);

}  // namespace quilm::ui

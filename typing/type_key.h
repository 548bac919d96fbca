// A key typed into the editor, the whole way: the key-press hook runs, and
// the editor inserts what it returns at the caret, in the current font. The
// program's window, the command-line tool and the tests all type through
// here, so a key does the same everywhere.
#pragma once

#include <string_view>

#include "typing/keyboard.h"

namespace quilm::typing {

// A printable key (above 0x20, at most 0xFF) passes the hook and its result
// is inserted; returns true. For a key at or below 0x20 the hook runs (the
// word ends) and false says that the editor handles the key itself, as for
// characters above 0xFF, which the hook never sees.
bool type_printable_key(Keyboard& kb, char16_t key);

// Any key, as an editor without a window takes it: a printable key as above;
// Enter (CR or LF) a paragraph break, Backspace (0x08) deletes the selection
// or the character before the caret, any other character is inserted.
void type_key(Keyboard& kb, char16_t key);
void type_keys(Keyboard& kb, std::u16string_view keys);

}  // namespace quilm::typing

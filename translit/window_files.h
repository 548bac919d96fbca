// What the transliteration windows write to files: the Roman text saved as
// RTF ("Save" of the "Romanised Punjabi Text" window), and the four outputs
// of the "Transliterate" dialog. The windows only show the choices; the
// questions go through the prompter and the file dialogs, so the command
// line and the tests run the same steps.
#pragma once

#include <string>

#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "convert/document_context.h"

namespace quilm {

// "Save": asks for an RTF file (default name "UnNamed_U.Rtf"), asks before
// replacing one, and writes the text in it in a Latin font, atomically.
// False when the user cancelled or the file could not be written (the
// prompter was told why).
bool SaveRomanText(const std::u16string& text, FileDialogs& dialogs, Prompter& prompter);

// The items of the "Select Hindi Output File Format" group, in order.
enum class HindiOutput { Iscii = 0, Unicode = 1, KrutiDev = 2, Chanakya = 3 };

// "&Convert" of the "Transliterate" dialog. The file outputs ask for a file
// (the dialog's caption as the proposed name) and before replacing one; the
// font outputs rewrite the document in place. True when the dialog closes:
// everything but a "No" to the replace question.
bool ConvertToHindi(DocumentContext& context, HindiOutput output, const std::string& proposed_name,
                    FileDialogs& dialogs, int& last_word_font_index);

}  // namespace quilm

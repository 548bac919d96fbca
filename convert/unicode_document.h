// The document and Unicode: export of the open document as a Unicode text
// file, its conversion in place, the import of Unicode text files, and the
// conversion of a document that holds Unicode Gurmukhi into a legacy font.
//
// Written once against the editor interface: the program runs them on its
// Qt editor, the command line and the tests on the in-memory editor.
#pragma once

#include <filesystem>
#include <string>

#include "common/status.h"
#include "convert/document_context.h"
#include "convert/text_file_form.h"

namespace quilm {

// Whether the document holds Unicode text: it starts with the characters
// U+00FF U+00FE (a Unicode file opened as 8-bit text), or, over its first
// 2000 characters and a closing zero (characters above 3500 left out), at
// least a quarter are from U+00FE up and their mean code is at least 777.
bool CheckUnicode(const Editor& editor);

// The document as Unicode text: words in Gurmukhi fonts through the pivot
// encoding into Unicode Gurmukhi, every other character as itself, each
// paragraph ending in CR LF. With `gurmukhi_digits` the digits of the
// Gurmukhi fonts' text become Gurmukhi numerals (digits in other fonts stay).
std::u16string document_as_unicode(const DocumentContext& context, bool gurmukhi_digits = false);

// How the document is written as a text file.
struct UnicodeExport {
  TextFileForm form = kProgramUnicodeForm;
  bool gurmukhi_digits = false;
};

// Writes the document as a text file: by default a UTF-16LE file with a
// byte-order mark and CR LF ("Export", "Unicode Format"); UTF-8 or the line
// ends of `how.form` otherwise. An 8-bit form writes the document's
// characters as bytes (the 8-bit text an import opened). The file is
// replaced atomically; a read-only file is made writable first. An error
// names the file.
Status SaveUnicodeFile(const DocumentContext& context, const std::filesystem::path& path,
                       const UnicodeExport& how = {});

// Converts every Gurmukhi run of the document in place into Unicode text in
// the Unicode font of the default fonts (Raavi unless set otherwise), keeping
// its size, weight, slant, underline and colour; other runs stay as they are.
void ASCIIToUnicode(const DocumentContext& context);

// Converts a document that holds Unicode Gurmukhi into font `target_font`:
// Gurmukhi runs through the pivot encoding, separators from the Quilm
// encoding (a full stop becomes the Quilm danda key), Latin letters as
// they are. False, and nothing changed, when CheckUnicode says no. The
// typing-context flag is off during the conversion.
bool ConvertUnicode(DocumentContext& context, ConversionContext& conversion, const std::string& target_font);

// Imports a Unicode text file ("Import" of a .txt file) into the emptied
// document: Gurmukhi in the Punjabi default font (converted from the pivot
// encoding into that font), Latin text and separators in the English default
// font, the caret at 0. A file without the mark 0xFF 0xFE is read as UTF-8
// (a leading UTF-8 byte-order mark skipped) when it is UTF-8 holding
// Gurmukhi, and opened as 8-bit text otherwise. An unreadable file or one of an odd length gives an
// error and leaves the document as it was. The caller marks the document
// untitled. `form`, when given, receives how the file was written, for a
// Save that writes it back the same way.
Status ImportUnicodeFile(const DocumentContext& context, const std::filesystem::path& path,
                         TextFileForm* form = nullptr);

}  // namespace quilm

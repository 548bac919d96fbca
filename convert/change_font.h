// "Change Font": the font conversion of the document in the editor, in place.
//
// Each run of words is converted from the font it is shown in (automatic
// detection) or from the one font the user chose, through the pivot
// encoding, into the destination font; the converted text takes the
// destination font name. A selection converts only its words. "Unicode" as
// the destination converts the document into Unicode text instead, and a
// document that holds Unicode Gurmukhi is converted from Unicode into the
// destination font.
#pragma once

#include <string>

#include "convert/destination_font.h"
#include "convert/document_context.h"
#include "convert/font_conversion_result.h"

namespace quilm {

inline constexpr const char* kConvertingFontCaption = "Converting Font...";

struct ChangeFontChoice {
  std::string source{kAutomaticDetection};  // a font name or "Automatic Detection"
  std::string destination = "Quilm2010";     // a font name, "PNB-TTAmar" or "Unicode"
  bool gurmukhi_digits = false;  // into Unicode: the Gurmukhi fonts' digits as Gurmukhi numerals
};

// The "&Convert" button. Switches the typing-context flag off, locks window
// updates while it works, reports progress through the prompter, and puts
// the caret back at the selection start it found. `last_word_font_index`
// (the workspace's) receives the font index of the last character that a
// whole-document conversion examined.
//
// An unsupported source or destination font is refused with
// "<name>   NOT Supported" before anything changes; a selection that holds a
// Gurmukhi font without a reader is refused with
// "<name>   NOT Supported at 145", also before anything changes. Text in such
// a font met by a whole-document conversion is left as it is and reported
// the same way once the rest is converted.
FontConversionResult ChangeFont(DocumentContext& context, const ChangeFontChoice& choice, int& last_word_font_index);

// The same conversion from the fonts the text is shown in (automatic
// detection) into a destination made by the caller, such as the Devanagari
// fonts of the transliteration, which no font index names. Unicode text in
// the document is not converted. `caption` stands in the status bar meanwhile.
FontConversionResult ConvertIntoFont(DocumentContext& context, const DestinationFont& destination,
                                     const char* caption, int& last_word_font_index);

}  // namespace quilm

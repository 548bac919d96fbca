// What a font conversion command did, for the dialogs and the command line.
#pragma once

namespace quilm {

enum class FontConversionResult {
  Converted,  // the text was converted (or had nothing to convert)
  Refused,    // a font is not supported or a file failed: the user was told why
};

}  // namespace quilm

// What typed text says, in Unicode: the editor's runs read through their
// fonts' encodings into the pivot encoding and converted by GurToUnicode,
// as the document's Unicode export converts them. This is how
// `quilm-cli type --to unicode` shows the result of a key sequence.
#pragma once

#include <string>
#include <vector>

#include "editor/editor.h"
#include "fonts/registry.h"

namespace quilm {
class FontConverter;
}

namespace quilm::typing {

// Runs in a Gurmukhi font are converted through their encoding; the
// characters of other runs, and paragraph breaks, stand for themselves.
std::u16string runs_as_unicode(const std::vector<TextRun>& runs, const FontRegistry& fonts,
                               const FontConverter& converter);

}  // namespace quilm::typing

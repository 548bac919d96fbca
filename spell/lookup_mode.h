// Which word collections a word is looked up in: the Punjabi word lists
// (pivot bytes) for text in a Gurmukhi font, the English table otherwise.
#pragma once

namespace quilm {

enum class LookupMode { Punjabi, English };

}  // namespace quilm

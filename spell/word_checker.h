// Whether a word of a document is spelt correctly, from the word as it
// stands (font bytes, Unicode, or English letters) to the verdict, with the
// lookup form the suggestions start from. Verdicts are remembered per
// distinct word, since a text repeats its common words many times; forget()
// drops them after the collections change ("&Add", "Igno&re All").
#pragma once

#include <functional>
#include <string>
#include <unordered_map>

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "spell/lexicon.h"
#include "spell/word_sections.h"

namespace quilm {

struct WordVerdict {
  bool known = true;
  LookupMode mode = LookupMode::Punjabi;
  Bytes lookup;             // pivot lookup form, or the lower-case English word
  bool repairable = false;  // known, and only its glyph order was not canonical
};

class WordChecker {
 public:
  WordChecker(const SpellLexicon& lexicon, const FontConverter& converter) : lexicon_(lexicon), converter_(converter) {}

  // A word of a Gurmukhi font (bytes of `font_index`).
  const WordVerdict& check_font_word(BytesView word, int font_index);
  // A Gurmukhi word of Unicode text.
  const WordVerdict& check_unicode_word(std::u16string_view word);
  // An English word (bytes or ASCII letters).
  const WordVerdict& check_english_word(BytesView word);

  // The verdict for a word already in pivot lookup form (no cache).
  WordVerdict check_pivot_lookup(Bytes lookup, bool repairable) const;

  void forget() { cache_.clear(); }

 private:
  const WordVerdict& remembered(Bytes key, const std::function<WordVerdict()>& decide);

  const SpellLexicon& lexicon_;
  const FontConverter& converter_;
  std::unordered_map<Bytes, WordVerdict, TransparentBytesHash, std::equal_to<>> cache_;
};

}  // namespace quilm

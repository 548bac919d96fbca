// The words the user chose "Igno&re All" for in this run of the program.
// Punjabi entries are pivot glyph bytes and match exactly (folding ASCII
// case there would merge different letters: "ek" is one word, "EK"
// another); English entries match without regard to the case of a-z. The
// list grows as needed and is never saved.
#pragma once

#include <unordered_set>

#include "common/bytes.h"
#include "spell/lookup_mode.h"
#include "spell/word_sections.h"

namespace quilm {

class IgnoreAllList {
 public:
  void add(BytesView word, LookupMode mode);
  bool holds(BytesView word, LookupMode mode) const;
  bool empty() const { return punjabi_.empty() && english_.empty(); }

 private:
  using Set = std::unordered_set<Bytes, TransparentBytesHash, std::equal_to<>>;
  Set punjabi_;
  Set english_;  // folded to upper case
};

// ASCII a-z raised to A-Z; every other byte unchanged.
Bytes ascii_upper(BytesView word);

}  // namespace quilm

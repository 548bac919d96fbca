// The similar-word generator on any pivot word (the first byte chooses the
// search or the dictionary form): it never reads or writes outside the
// words, the list stays within its bound, and a search list starts with
// the word itself.
#include <cstdlib>

#include "dict/similar_words.h"
#include "dict/valid_word.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput input(data, size);
  const bool dictionary = input.take_byte() & 1;
  const quilm::BytesView word = input.rest().substr(0, 64);
  const quilm::SimilarWordList list = dictionary ? quilm::similar_words_for_dictionary_of_pivot(word)
                                                 : quilm::similar_words_of_pivot(word, true);
  if (list.size() == 0 || list.size() > quilm::kSimilarWordCapacity) std::abort();
  if (!dictionary && list[0] != word) std::abort();
  for (const quilm::Bytes& w : list.words()) (void)quilm::ValidWord(w);
  return 0;
}

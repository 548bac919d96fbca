// The frequency analysis of any bytes in every font: the first byte chooses
// the font index, the second how the text is read (a legacy font, ISCII or
// UTF-8; Punjabi or English), the rest is the text. The counts must add up:
// every word occurrence counted once, every position inside the text and
// holding its word, the words in key order, the length counters summing to
// the words.
#include <cstdlib>

#include "analysis/frequency_results.h"
#include "analysis/text_words.h"
#include "fonts/conversion.h"
#include "fuzz/fuzz_input.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

quilm::TextReading reading_of(std::uint8_t font, std::uint8_t how) {
  static const quilm::TextKind kKinds[] = {quilm::TextKind::Legacy, quilm::TextKind::Iscii, quilm::TextKind::Utf8};
  return {kKinds[how % 3], font % quilm::kFontIndexSlots, (how & 4) != 0};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput in(data, size);
  const std::uint8_t font = in.take_byte();
  const quilm::TextReading reading = reading_of(font, in.take_byte());
  const quilm::BytesView text = in.rest();
  quilm::ConversionContext context;
  const quilm::FontConverter converter(context);
  const auto forms = quilm::make_word_forms(reading, converter);
  quilm::FrequencyCount count(true);
  quilm::count_words(text, reading, *forms, count);
  const quilm::FrequencyResults r = quilm::summarise(count, reading, *forms, {}, {});

  std::int64_t words = 0, lengths = 0;
  for (std::size_t i = 0; i < r.words.size(); ++i) {
    words += r.words[i].count;
    check(r.words[i].count > 0 && r.words[i].length >= 0);
    if (i > 0) check(r.words[i - 1].key < r.words[i].key);
  }
  for (std::int64_t n : r.lengths) lengths += n;
  check(words == r.total_words && lengths == r.total_words);
  check(static_cast<std::int64_t>(r.positions.size()) == r.total_words);
  for (const quilm::PositionRow& p : r.positions) {
    check(p.pos + p.word.size() <= text.size());
    // An ISCII word may hold zero bytes that the reading skipped.
    if (reading.kind != quilm::TextKind::Iscii) check(text.substr(p.pos, p.word.size()) == p.word);
  }
  std::int64_t pairs = 0;
  for (const quilm::PairCount& p : r.pairs) pairs += p.count;
  check(pairs == (r.total_words > 0 ? r.total_words - 1 : 0));
  return 0;
}

// Typing pad event scripts: any script must replay without fault (a line
// that is no event ends it) and leave the word table that a full
// retransliteration of the Roman text gives.
#include <cstdlib>

#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "fuzz/fuzz_input.h"
#include "roman/pad_script.h"
#include "roman/typing_pad.h"

namespace {

constexpr std::size_t kLongestScript = 4096;

quilm::RomanData& small_data() {
  static quilm::RomanData data;
  static const bool filled = [] {
    const auto add = [](const char* roman, std::u16string_view gurmukhi) {
      data.dictionaries.punjabi.add(roman, quilm::UniCodetoGur(gurmukhi));
    };
    add("sat", u"ਸਤਿ");
    add("sat", u"ਸੱਤ");
    add("sat", u"ਸਤ");
    add("ki", u"ਕਿ");
    add("ki", u"ਕੀ");
    add("ghar", u"ਘਰ");
    return true;
  }();
  (void)filled;
  return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput input(data, size);
  const quilm::BytesView script = input.rest().substr(0, kLongestScript);
  quilm::RomanData& roman = small_data();
  roman.recent.clear();
  quilm::TypingPad pad(roman);
  (void)quilm::replay_pad_script(pad, script, nullptr);
  quilm::TypingPad full(roman);
  if (!full.paste(pad.roman())) std::abort();
  if (!quilm::same_word_table(pad, full)) std::abort();
  if (pad.current_word() && *pad.current_word() >= pad.words().size()) std::abort();
  return 0;
}

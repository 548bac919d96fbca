// Random scripts of pad edits on the shipped Roman data: after every
// script the word table is what a full retransliteration of the Roman text
// gives, whatever mix of keys, deletions, selections, pastes and choices
// made it.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "encoding/utf16.h"
#include "roman/pad_script.h"
#include "roman/typing_pad.h"

namespace quilm::test {
namespace {

RomanData& ready_data() {
  static const std::unique_ptr<RomanData> data = [] {
    auto d = std::make_unique<RomanData>();
    std::vector<std::string> warnings;
    EXPECT_TRUE(load_roman_data(QUILM_READY_DATA_DIR, d.get(), &warnings));
    return d;
  }();
  return *data;
}

class RandomScript {
 public:
  explicit RandomScript(unsigned seed) : random_(seed) {}

  std::string event(std::size_t text_size) {
    switch (pick(12)) {
      case 0: case 1: case 2: case 3: case 4: return "type " + text(1 + pick(3));
      case 5: return "type " + word() + (pick(2) ? " " : ". ");
      case 6: return "backspace";
      case 7: return "delete";
      case 8: return "select " + std::to_string(pick(text_size + 2)) + ' ' + std::to_string(pick(text_size + 2));
      case 9: return "paste " + text(pick(12));
      case 10: return "move " + std::to_string(pick(text_size + 2));
      default: return "choose " + std::to_string(1 + pick(4));
    }
  }

 private:
  std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
  std::string text(std::size_t length) {
    static const std::string kKeys = "aaeiiokkssttrrhnmdgpv  ,..?\\n-'";
    std::string out;
    for (std::size_t i = 0; i < length; ++i) out += kKeys[pick(kKeys.size())];
    return out;
  }
  std::string word() {
    static const char* const kWords[] = {"sat", "sri", "akaal", "tusee", "kive", "ho", "ki", "ghar", "main", "hai"};
    return kWords[pick(std::size(kWords))];
  }
  std::mt19937 random_;
};

TEST(PadProperty, AnyScriptLeavesTheTableOfAFullRetransliteration) {
  RomanData& data = ready_data();
  for (unsigned seed = 1; seed <= 100; ++seed) {
    data.recent.clear();
    TypingPad pad(data);
    RandomScript script(seed);
    std::string replayed;
    for (int step = 0; step < 40; ++step) {
      const std::string line = script.event(pad.roman().size());
      replayed += line + '\n';
      ASSERT_TRUE(replay_pad_event(pad, line, nullptr)) << line;
    }
    TypingPad full(data);
    ASSERT_TRUE(full.paste(pad.roman()));
    ASSERT_TRUE(same_word_table(pad, full)) << "seed " << seed << ":\n" << replayed;
  }
}

}  // namespace
}  // namespace quilm::test

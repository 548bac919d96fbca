// The samples window's captions are the Roman spellings that the rules give
// its letters and words.
#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "translit/samples.h"

namespace quilm::test {
namespace {

// The three captions that the rules do not reproduce, what the rules give
// instead, and which rule decides it.
struct RulesDiffer {
  std::string_view rules;
  const char* why;
};
const std::map<std::string_view, RulesDiffer> kCaptionsTheRulesDoNotGive = {
    {"eI", {"i", "emission: IRI with the II sign is \"i\" at the start of a word, \"ee\" elsewhere"}},
    {"DoKybwjL", {"dhokhebaaz", "emission: KHA is \"kh\"; the caption has lost its h"}},
    {"vwieln", {"vaayalan", "pronunciation: a vowel sign, sihari, IRI make the sihari YA and drop the IRI"}},
};

TEST(TransliterationSamples, EveryCaptionIsWhatTheRulesGive) {
  ConversionContext context;
  const FontConverter converter(context);
  int captions = 0;
  for (const Sample& sample : transliteration_samples()) {
    if (sample.roman.empty()) continue;
    ++captions;
    SCOPED_TRACE(std::string(sample.quilm) + " (" + sample_gurmukhi_utf8(sample, converter) + ")");
    const auto differ = kCaptionsTheRulesDoNotGive.find(sample.quilm);
    if (differ == kCaptionsTheRulesDoNotGive.end()) {
      EXPECT_EQ(sample_rules_roman(sample, converter), sample.roman);
    } else {
      EXPECT_EQ(sample_rules_roman(sample, converter), differ->second.rules) << differ->second.why;
    }
  }
  EXPECT_EQ(captions, 68) << "26 words and 42 letters";
}

TEST(TransliterationSamples, EverySoundFileNameIsOneFileWithAnExtension) {
  for (const Sample& sample : transliteration_samples()) {
    SCOPED_TRACE(std::string(sample.quilm));
    EXPECT_TRUE(sample.sound.ends_with(".wav") || sample.sound.ends_with(".wma"));
    EXPECT_EQ(sample.sound.find('/'), std::string_view::npos);
  }
}

}  // namespace
}  // namespace quilm::test

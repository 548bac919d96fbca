// The run list and the paragraph index against the plainest model of a
// document, one format per character, over many random edits: whatever the
// shortcuts of splicing, the runs must read as the model does and stay merged.
#include "editor/run_list.h"

#include <gtest/gtest.h>

#include <random>

#include "editor/document.h"
#include "editor/paragraph_index.h"
#include "tests/editors/editor_contract.h"

namespace quilm::test {
namespace {

struct Character {
  char16_t code;
  CharFormat format;
};
using Model = std::vector<Character>;

std::vector<TextRun> runs_of(const Model& model) {
  std::vector<TextRun> runs;
  for (const Character& c : model) runs.push_back({std::u16string(1, c.code), c.format});
  merge_runs(runs);
  return runs;
}

class RandomEdits {
 public:
  explicit RandomEdits(unsigned seed) : random_(seed) {}

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // Up to four runs of up to four characters; a few are paragraph breaks, and
  // three formats make neighbours of one format common.
  std::vector<TextRun> runs() {
    std::vector<TextRun> out(below(4));
    for (TextRun& run : out) {
      run.format = font(std::string(1, static_cast<char>('A' + below(3))));
      for (int i = below(4) + 1; i > 0; --i) run.text.push_back(below(5) == 0 ? kParagraphBreak : u'a' + below(3));
    }
    return out;
  }

 private:
  std::mt19937 random_;
};

TEST(RunList, SplicesReadAsTheCharacterModelAndStayMerged) {
  RandomEdits random(20240611);
  Model model;
  std::vector<TextRun> runs;
  ParagraphIndex paragraphs;
  for (int step = 0; step < 1500; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    const int length = static_cast<int>(model.size());
    const int start = random.below(length + 1);
    const int end = start + random.below(std::min(length - start, 6) + 1);
    std::vector<TextRun> inserted = random.runs();
    merge_runs(inserted);

    Model added;
    for (const TextRun& run : inserted) {
      for (const char16_t c : run.text) added.push_back({c, run.format});
    }
    model.erase(model.begin() + start, model.begin() + end);
    model.insert(model.begin() + start, added.begin(), added.end());
    splice_runs(runs, start, end, inserted);
    paragraphs.replaced(start, end - start, inserted);

    ASSERT_EQ(runs, runs_of(model));
    const ParagraphIndex fresh(runs);
    ASSERT_EQ(paragraphs.count(), fresh.count());
    ASSERT_EQ(paragraphs.text_length(), fresh.text_length());
    for (int p = 0; p < fresh.count(); ++p) ASSERT_EQ(paragraphs.start_of(p), fresh.start_of(p));
  }
}

TEST(RunList, SlicesAndFormatLookupsReadAsTheCharacterModel) {
  RandomEdits random(7);
  Model model;
  for (int i = 0; i < 40; ++i) {
    for (const TextRun& run : random.runs()) {
      for (const char16_t c : run.text) model.push_back({c, run.format});
    }
  }
  const std::vector<TextRun> runs = runs_of(model);
  for (int i = 0; i < static_cast<int>(model.size()); ++i) {
    SCOPED_TRACE("position " + std::to_string(i));
    EXPECT_EQ(format_at(runs, i), model[i].format);
    EXPECT_EQ(char_at(runs, i), model[i].code);
    const int end = std::min<int>(i + 5, static_cast<int>(model.size()));
    EXPECT_EQ(slice_runs(runs, i, end), runs_of(Model(model.begin() + i, model.begin() + end)));
  }
}

}  // namespace
}  // namespace quilm::test

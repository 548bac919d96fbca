// The typing pad typed key by key: a Roman text of about 2,000 words (the
// evaluation set's sentences, each followed by a few of its single words,
// names and loanwords among them, repeated until long enough) goes into an
// empty pad one character at a time. Each key's time runs from the key to
// the change of the Gurmukhi pane worked out; the 95th percentile and the
// longest are reported (goal: under 20 ms and 100 ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "roman/roman_data.h"
#include "roman/typing_pad.h"

namespace quilm {
namespace {

constexpr std::size_t kWords = 2000;

RomanData& loaded() {
  static const std::unique_ptr<RomanData> data = [] {
    auto d = std::make_unique<RomanData>();
    std::vector<std::string> warnings;
    if (Status s = load_roman_data(QUILM_READY_DATA, d.get(), &warnings); !s) std::fprintf(stderr, "%s\n", s.message().c_str());
    return d;
  }();
  return *data;
}

std::vector<std::string> column(const char* file, bool second) {
  std::vector<std::string> out;
  std::istringstream lines(read_file(file).value_or(""));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#' || line[0] == '@') continue;
    const std::size_t tab = line.find('\t');
    out.push_back(second ? line.substr(tab + 1) : line.substr(0, tab));
  }
  return out;
}

std::u16string typed_text() {
  const std::vector<std::string> sentences = column(QUILM_ROMAN_EVAL "/phrases.txt", false);
  const std::vector<std::string> singles = column(QUILM_ROMAN_EVAL "/words.txt", true);
  std::string text;
  std::size_t words = 0, single = 0;
  for (std::size_t s = 0; words < kWords; ++s) {
    std::string sentence = sentences[s % sentences.size()];
    for (int k = 0; k < 3; ++k) sentence += ' ' + singles[single++ % singles.size()];
    words += static_cast<std::size_t>(std::count(sentence.begin(), sentence.end(), ' ')) + 1;
    text += sentence + (s % 4 == 3 ? ".\n" : ", ");
  }
  return std::u16string(text.begin(), text.end());
}

void BM_TypingPadKeyByKey(benchmark::State& state) {
  const std::u16string text = typed_text();
  std::vector<double> milliseconds;
  for (auto _ : state) {
    loaded().recent.clear();
    TypingPad pad(loaded());
    std::u16string pane;
    milliseconds.clear();
    for (char16_t key : text) {
      const auto start = std::chrono::steady_clock::now();
      pad.type(key);
      std::u16string after = pad.gurmukhi();
      const PaneChange change = pane_change(pane, after);
      benchmark::DoNotOptimize(change);
      pane = std::move(after);
      milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  state.counters["keys"] = static_cast<double>(milliseconds.size());
  state.counters["p95_ms"] = milliseconds[milliseconds.size() * 95 / 100];
  state.counters["max_ms"] = milliseconds.back();
  state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
}
BENCHMARK(BM_TypingPadKeyByKey)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();

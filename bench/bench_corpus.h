// What the benchmark programs over the text corpus share: the corpus file
// chosen on the command line (--corpus=FILE), by $QUILM_CORPUS or by the
// configured default, its lines, and the programs' main.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/bytes.h"

namespace quilm::bench {

// Says on stderr which text a benchmark measures: the corpus file at `path`,
// or, when there is none, `instead` (generated text, as a rule).
inline void say_which_text(const std::string& path, bool found, const char* instead = "generated text") {
  if (found) std::fprintf(stderr, "corpus: %s\n", path.c_str());
  else std::fprintf(stderr, "corpus: %s not found: measuring %s instead\n", path.c_str(), instead);
}

// The corpus file named by the environment variable `variable`, else
// `configured`: its bytes, or empty (after saying so) when it cannot be read,
// for the caller to generate text instead.
inline Bytes read_corpus(const char* variable, const std::string& configured, const char* instead = "generated text") {
  const char* env = std::getenv(variable);
  const std::string path = env ? env : configured;
  std::ifstream in(path, std::ios::binary);
  Bytes text;
  if (in) text.assign(std::istreambuf_iterator<char>(in), {});
  say_which_text(path, !text.empty(), instead);
  return text;
}

inline std::vector<BytesView> split_lines(const Bytes& text) {
  std::vector<BytesView> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == Bytes::npos) end = text.size();
    lines.emplace_back(text.data() + start, end - start);
    start = end + 1;
  }
  return lines;
}

// Sets `corpus_path` from the environment and the command line, says on
// stderr which text is measured, and runs the registered benchmarks.
inline int run_with_corpus(int argc, char** argv, std::string& corpus_path) {
  if (const char* env = std::getenv("QUILM_CORPUS")) corpus_path = env;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--corpus=", 9) == 0) corpus_path = argv[i] + 9;
    else argv[kept++] = argv[i];
  }
  argc = kept;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::ifstream probe(corpus_path);
  say_which_text(corpus_path, static_cast<bool>(probe));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace quilm::bench

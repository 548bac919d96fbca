// What the benchmark programs over the text corpus share: the corpus file
// chosen on the command line (--corpus=FILE), by $QUILM_CORPUS or by the
// configured default, its lines, and the programs' main.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "common/bytes.h"

namespace quilm::bench {

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
  std::fprintf(stderr, "corpus: %s\n", probe ? corpus_path.c_str() : "generated text (no corpus file)");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace quilm::bench

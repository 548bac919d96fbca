// quilm-save-loop KIND PATH: saves generation after generation of one kind
// of file (settings, word-table, table-remake, document) over PATH, which
// already holds generation 0, until it is killed. It prints "ready" before
// the first save. The crash-safety test runs it and kills it at chosen
// moments.
#include <cstdio>
#include <string>

#include "tests/reliability/save_generations.h"

int main(int argc, char** argv) {
  using namespace quilm::test;
  const std::optional<SavedFile> file = argc == 3 ? saved_file_named(argv[1]) : std::nullopt;
  if (!file) {
    std::fprintf(stderr, "usage: quilm-save-loop settings|word-table|table-remake|document PATH\n");
    return 2;
  }
  // Tells the test that the program is running, so that its delays count
  // from here and not from a start that sanitizers make slow.
  std::fputs("ready\n", stdout);
  std::fflush(stdout);
  for (int n = 1;; ++n) {
    const quilm::Status saved = save_generation(*file, argv[2], n);
    if (!saved) {
      std::fprintf(stderr, "quilm-save-loop: %s\n", saved.message().c_str());
      return 1;
    }
  }
}

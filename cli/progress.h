// Progress of a long conversion on stderr, shown only to a person watching a
// terminal, as a percentage that overwrites itself.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdio>

namespace quilm::cli {

class Progress {
 public:
  explicit Progress(std::size_t total) : total_(total), shown_(isatty(STDERR_FILENO) && total > (1u << 20)) {}
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  void at(std::size_t done) {
    if (!shown_) return;
    const int percent = static_cast<int>(100 * done / total_);
    if (percent == last_) return;
    last_ = percent;
    std::fprintf(stderr, "\rconverting %d%%", percent);
  }
  ~Progress() {
    if (shown_) std::fprintf(stderr, "\r               \r");
  }

 private:
  std::size_t total_;
  bool shown_;
  int last_ = -1;
};

}  // namespace quilm::cli

// A long operation's status caption and progress bar, shown for the life of
// a scope and taken down however the scope ends.
#pragma once

#include <string>

#include "common/prompter.h"

namespace quilm {

class ProgressScope {
 public:
  ProgressScope(Prompter& prompter, const std::string& caption, long max) : prompter_(prompter) {
    prompter_.status_caption(caption);
    prompter_.progress_start(max);
  }
  ~ProgressScope() {
    prompter_.progress_end();
    prompter_.status_caption("");
  }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

  void step(long position) { prompter_.progress_step(position); }

 private:
  Prompter& prompter_;
};

}  // namespace quilm

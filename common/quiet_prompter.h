// A prompter for programs that run without anyone to answer: benchmarks and
// picture-making tools. It shows nothing and answers every question with
// Cancel (so No), except that errors go to stderr, so that a run that fails
// says why.
#pragma once

#include <cstdio>

#include "common/prompter.h"

namespace quilm {

class QuietPrompter final : public Prompter {
 public:
  void message(const std::string&) override {}
  void error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
  Answer ask_yes_no_cancel(const std::string&) override { return Answer::Cancel; }
  bool ask_yes_no(const std::string&) override { return false; }
  void beep() override {}
  void status_caption(const std::string&) override {}
  void progress_start(long) override {}
  void progress_step(long) override {}
  void progress_end() override {}
};

}  // namespace quilm

// A prompter that records what the core showed and answers as the test told it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/prompter.h"

namespace quilm::test {

class FakePrompter : public Prompter {
 public:
  std::vector<std::string> messages;  // information boxes
  std::vector<std::string> errors;    // error boxes
  std::vector<std::string> questions;
  std::vector<std::string> captions;
  int beeps = 0;
  long progress_max = -1;
  std::vector<long> progress_steps;
  int progress_ends = 0;

  // Answers given to the next questions, in order; Cancel when none is left.
  std::deque<Answer> answers;

  void message(const std::string& text) override { messages.push_back(text); }
  void error(const std::string& text) override { errors.push_back(text); }
  Answer ask_yes_no_cancel(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;
  void beep() override { ++beeps; }
  void status_caption(const std::string& text) override { captions.push_back(text); }
  void progress_start(long max) override { progress_max = max; }
  void progress_step(long position) override { progress_steps.push_back(position); }
  void progress_end() override { ++progress_ends; }

  bool silent() const { return messages.empty() && errors.empty() && questions.empty(); }
};

}  // namespace quilm::test

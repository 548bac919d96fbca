// The prompter of quilm-cli: messages as lines on stderr, and a progress line
// on stderr only when stderr is a terminal (a script reading stderr sees
// only the messages). Questions are not asked: the answer is No, or Cancel.
#pragma once

#include <string>

#include "common/prompter.h"

namespace quilm::cli {

class StderrPrompter final : public Prompter {
 public:
  // Messages are written as "quilm-cli COMMAND: text".
  explicit StderrPrompter(std::string command);

  void message(const std::string& text) override;
  void error(const std::string& text) override;
  Answer ask_yes_no_cancel(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;
  void beep() override {}
  void status_caption(const std::string& text) override;
  void progress_start(long max) override;
  void progress_step(long position) override;
  void progress_end() override;

  // How many messages and errors were written.
  int messages() const { return messages_; }

 private:
  void line(const std::string& text);
  void end_progress_line();

  std::string command_;
  bool terminal_;
  std::string caption_;
  long max_ = 0;
  bool progress_shown_ = false;
  int messages_ = 0;
};

}  // namespace quilm::cli

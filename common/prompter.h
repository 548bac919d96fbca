// How the core talks to the user: message boxes, questions, the beep, and the
// status caption and progress bar of long operations. The program implements it
// with Qt, the command-line tool with lines on stderr, tests with a scripted fake.
#pragma once

#include <string>

namespace quilm {

enum class Answer { Yes, No, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A plain information box.
  virtual void message(const std::string& text) = 0;
  // An error box (an operation stopped because of it).
  virtual void error(const std::string& text) = 0;
  // A confirmation with Yes, No and Cancel.
  virtual Answer ask_yes_no_cancel(const std::string& text) = 0;
  // A confirmation with Yes and No.
  virtual bool ask_yes_no(const std::string& text) = 0;
  virtual void beep() = 0;

  // Long operations: a caption in the status bar and a progress bar from 0 to max.
  virtual void status_caption(const std::string& text) = 0;
  virtual void progress_start(long max) = 0;
  virtual void progress_step(long position) = 0;
  virtual void progress_end() = 0;
};

}  // namespace quilm

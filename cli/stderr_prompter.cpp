#include "cli/stderr_prompter.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

namespace quilm::cli {

StderrPrompter::StderrPrompter(std::string command)
    : command_(std::move(command)), terminal_(::isatty(STDERR_FILENO) != 0) {}

void StderrPrompter::line(const std::string& text) {
  end_progress_line();
  std::fprintf(stderr, "quilm-cli %s: %s\n", command_.c_str(), text.c_str());
  ++messages_;
}

void StderrPrompter::message(const std::string& text) { line(text); }
void StderrPrompter::error(const std::string& text) { line(text); }

Answer StderrPrompter::ask_yes_no_cancel(const std::string& text) {
  line(text + " (answered Cancel)");
  return Answer::Cancel;
}

bool StderrPrompter::ask_yes_no(const std::string& text) {
  line(text + " (answered No)");
  return false;
}

void StderrPrompter::status_caption(const std::string& text) { caption_ = text; }

void StderrPrompter::progress_start(long max) {
  max_ = max;
  progress_step(0);
}

void StderrPrompter::progress_step(long position) {
  if (!terminal_ || max_ <= 0) return;
  const long percent = position >= max_ ? 100 : position * 100 / max_;
  std::fprintf(stderr, "\r%s %3ld%%", caption_.empty() ? "Working" : caption_.c_str(), percent);
  std::fflush(stderr);
  progress_shown_ = true;
}

void StderrPrompter::progress_end() {
  if (progress_shown_ && max_ > 0) progress_step(max_);
  end_progress_line();
  max_ = 0;
}

void StderrPrompter::end_progress_line() {
  if (!progress_shown_) return;
  std::fputc('\n', stderr);
  progress_shown_ = false;
}

}  // namespace quilm::cli

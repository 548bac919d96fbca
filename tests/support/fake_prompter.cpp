#include "tests/support/fake_prompter.h"

namespace quilm::test {

Answer FakePrompter::ask_yes_no_cancel(const std::string& text) {
  questions.push_back(text);
  if (answers.empty()) return Answer::Cancel;
  Answer a = answers.front();
  answers.pop_front();
  return a;
}

bool FakePrompter::ask_yes_no(const std::string& text) {
  return ask_yes_no_cancel(text) == Answer::Yes;
}

}  // namespace quilm::test

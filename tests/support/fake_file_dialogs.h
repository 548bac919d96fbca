// File dialogs that record what they were asked and answer as the test told them.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "common/file_dialogs.h"

namespace quilm::test {

class FakeFileDialogs : public FileDialogs {
 public:
  std::deque<std::optional<FileChoice>> answers;  // nullopt: Cancel; none left: Cancel
  std::vector<FileDialogRequest> opened, saved;

  std::optional<FileChoice> open(const FileDialogRequest& r) override { return answer(opened, r); }
  std::optional<FileChoice> save(const FileDialogRequest& r) override { return answer(saved, r); }

  void choose(const std::filesystem::path& path, int filter = 1) { answers.push_back(FileChoice{path, filter}); }
  void cancel() { answers.push_back(std::nullopt); }

 private:
  std::optional<FileChoice> answer(std::vector<FileDialogRequest>& log, const FileDialogRequest& r) {
    log.push_back(r);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace quilm::test

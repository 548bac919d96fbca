// The open and save dialogs as the document commands use them. The program
// shows Qt's file dialogs; tests and the command line answer with a path.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/prompter.h"

namespace quilm {

struct FileDialogRequest {
  std::string title;             // empty: the dialog's own
  std::string filter;            // "Text files (*.txt)|*.txt|…", pairs of caption and mask
  int filter_index = 1;          // from 1
  std::string default_extension; // "doc", without the dot
  std::string proposed_name;
  bool must_exist = false;
};

struct FileChoice {
  std::filesystem::path path;
  int filter_index = 1;  // the filter the user left chosen, from 1
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // nullopt when the user cancels.
  virtual std::optional<FileChoice> open(const FileDialogRequest& request) = 0;
  virtual std::optional<FileChoice> save(const FileDialogRequest& request) = 0;
  // An open dialog that allows several files; empty when the user cancels.
  // Dialogs that choose one file at a time answer with that one.
  virtual std::vector<std::filesystem::path> open_many(const FileDialogRequest& request) {
    std::vector<std::filesystem::path> files;
    if (std::optional<FileChoice> one = open(request)) files.push_back(one->path);
    return files;
  }
};

inline constexpr const char* kReplaceQuestion = "Do you want to replace the file?";

// Whether a file chosen in a save dialog may be written: yes when it does not
// exist, otherwise the user's answer to kReplaceQuestion.
bool may_replace(const std::filesystem::path& path, Prompter& prompter);

}  // namespace quilm

// Word lists: the result tables of an analysis kept under a name in the data
// folder's WordList/ folder, and loaded back ("Save Word List...", "Load Word
// List...").
//
// A name is one folder name: it cannot climb out of WordList/ ("../Dict"
// would overwrite the analysis templates), be empty, start with a dot or hold
// a path separator or control character. A save copies the tables from where
// the analysis window's tables point (the data folder after an analysis, a
// stored list after a load), so saving a loaded list under its own name
// leaves it as it is. The copy is made in a temporary folder that replaces
// the list only when every file was copied; a failed copy is reported and
// leaves the list as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"

namespace quilm {

// The table files of a word list, in the order they are copied.
const std::vector<std::string>& word_list_files();

bool valid_word_list_name(std::string_view name);

// The name offered after "Browse...": the first file's name cut before its
// first "." ("notes.old.txt" gives "notes").
std::string default_word_list_name(const std::filesystem::path& first_file);

class WordListStore {
 public:
  explicit WordListStore(std::filesystem::path data_folder) : data_folder_(std::move(data_folder)) {}

  std::filesystem::path folder_of(std::string_view name) const;
  bool exists(std::string_view name) const;
  // The stored names, sorted; entries whose names begin with "." are left out.
  std::vector<std::string> names() const;

  // Copies the tables in `tables_folder` into the list `name`. An existing
  // list is replaced only with `overwrite` (the user answered Yes).
  Status save(std::string_view name, const std::filesystem::path& tables_folder, bool overwrite) const;

 private:
  std::filesystem::path data_folder_;
};

}  // namespace quilm

// Tables that windows open when they are created and keep open for the whole
// run. A window whose table cannot be opened cannot be created, and the
// program ends; only the administrative terms can be missing, with a message.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "tables/table.h"
#include "common/prompter.h"

namespace quilm {

struct StoredTable {
  const char* window;  // class name of the window that opens it
  const char* file;    // table file in the data folder
  const char* index;   // index selected when it opens ("" for the primary index)
  bool required;       // the program cannot start without it
};

inline constexpr std::array<StoredTable, 4> kStoredTables = {{
    {"TMainForm", "PunjabiFreq.DB", "", true},
    {"TFreqSel", "TriGram1.DBF", "PWORD", true},
    {"TSuffix", "wordlist1a.dbf", "", true},
    {"TAdministrative", "adt", "", false},
}};

class StoredTables {
 public:
  // Opens the stored tables of `window`. A table that cannot be opened is
  // reported through the prompter; the result is false when it was required.
  bool open_for(std::string_view window, const std::filesystem::path& data_folder, Prompter& prompter);

  // The open table of that file name, or nullptr.
  Table* find(std::string_view file) const;

 private:
  std::vector<std::unique_ptr<Table>> tables_;
};

}  // namespace quilm

// Numbered versions ("generations") of the kinds of file the program
// rewrites, saved through the program's own saving code, and the check that
// a file on disk is one whole generation. The save loop writes generation
// after generation until it is killed; the crash-safety test then checks the
// file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"

namespace quilm::test {

enum class SavedFile {
  Settings,     // filearch, written back as at close
  WordTable,    // every record of a word table changed in one transaction
  TableRemake,  // a table file made afresh from its schema
  Document,     // a .pbi document saved whole
  Dictionary,   // the additional dictionary of the spelling checker, as at close
};

struct SavedFileKind {
  SavedFile file;
  const char* name;  // as the save loop's command line names it
};
const std::vector<SavedFileKind>& saved_file_kinds();
std::optional<SavedFile> saved_file_named(std::string_view name);

// Writes generation `n` of `file` to `path`. Generation 0 makes the file;
// later ones change it in place as the program would (a word table must
// already hold generation 0).
Status save_generation(SavedFile file, const std::filesystem::path& path, int n);

// The generation the file at `path` holds, or an error saying what is wrong
// with it (missing, empty, cut short, a mixture of two generations).
struct GenerationCheck {
  Status status = Status::Ok();
  int generation = -1;
};
GenerationCheck check_generation(SavedFile file, const std::filesystem::path& path);

}  // namespace quilm::test

// quilm-cli import-table: a dBase III or IV table of an older installation
// (with its .dbt memo file) into the table store.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "dict/table_import.h"

namespace quilm::cli {
namespace {

namespace fs = std::filesystem;

constexpr char kAbout[] =
    "Reads the dBase III or IV table FILE.dbf, with its memo file FILE.dbt when\n"
    "it has memo fields, and writes its records into the table file TABLE\n"
    "(default: the same file name in the data folder). Text is moved byte for\n"
    "byte; records marked deleted are left out. Fields the program computes\n"
    "are computed again: the dictionary key SORTWORD of pbi_to_eng.DBF, the\n"
    "reversed SortWord of wordlist1a.dbf. When TABLE is already a table file\n"
    "its fields and indexes stay and its records are replaced; otherwise the\n"
    "fields are the dBase file's, with the indexes the program selects on the\n"
    "tables it knows. A damaged or cut-short file writes nothing.";

}  // namespace

int run_import_table(const Args& args) {
  std::string dbf, into, data = ".";
  OptionParser parser("import-table", kAbout);
  parser.positional("FILE.dbf", dbf);
  parser.value("--into", "TABLE", into, "the table file to write");
  parser.value("--data", "DIR", data, "the data folder of the default TABLE (default: the current folder)");
  if (const std::optional<int> status = parser.parse(args)) return *status;
  const fs::path table = into.empty() ? fs::path(data) / fs::path(dbf).filename() : fs::path(into);
  std::error_code error;
  if (fs::equivalent(dbf, table, error))
    return parser.usage_error("the table would be written over the dBase file itself; give --into TABLE");
  ImportReport report;
  if (const Status s = import_dbase_table(dbf, table, &report); !s) {
    std::fprintf(stderr, "quilm-cli import-table: %s\n", s.message().c_str());
    return kBadInput;
  }
  std::printf("%ld records into %s", report.records, table.string().c_str());
  if (report.deleted > 0) std::printf(" (%ld deleted records left out)", report.deleted);
  std::printf("\n");
  return kSuccess;
}

}  // namespace quilm::cli

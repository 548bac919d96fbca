// quilm-tablegen: compiles the project's text tables into C++ constant arrays
// at build time. A malformed table makes it fail with "file:line: reason", and
// with it the build.
//
//   quilm-tablegen pivot OUT.inc pivot.txt
//   quilm-tablegen fonts OUT.inc font_names.txt font_index.txt font_dropdown.txt
//   quilm-tablegen bytemap OUT.inc TABLE.txt
//   quilm-tablegen bytesets OUT.inc TABLE.txt
//   quilm-tablegen namedsets OUT.inc TABLE.txt
#include <cstdio>
#include <string>
#include <vector>

#include "tools/tablegen/byte_map.h"
#include "tools/tablegen/byte_sets.h"
#include "tools/tablegen/cpp_output.h"
#include "tools/tablegen/font_tables.h"
#include "tools/tablegen/named_sets.h"
#include "tools/tablegen/pivot_table.h"
#include "tools/tabletext/table_text.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: quilm-tablegen pivot OUT pivot.txt\n"
               "       quilm-tablegen fonts OUT font_names.txt font_index.txt font_dropdown.txt\n"
               "       quilm-tablegen bytemap OUT TABLE.txt\n"
               "       quilm-tablegen bytesets OUT TABLE.txt\n"
               "       quilm-tablegen namedsets OUT TABLE.txt\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "pivot") {
      tablegen::write_output(args[1], tablegen::generate_pivot_table(args[2]));
      return 0;
    }
    if (args.size() == 3 && args[0] == "bytemap") {
      tablegen::write_output(args[1], tablegen::generate_byte_maps(args[2]));
      return 0;
    }
    if (args.size() == 3 && args[0] == "bytesets") {
      tablegen::write_output(args[1], tablegen::generate_byte_sets(args[2]));
      return 0;
    }
    if (args.size() == 3 && args[0] == "namedsets") {
      tablegen::write_output(args[1], tablegen::generate_named_sets(args[2]));
      return 0;
    }
    if (args.size() == 5 && args[0] == "fonts") {
      tablegen::write_output(args[1], tablegen::generate_font_tables({args[2], args[3], args[4]}));
      return 0;
    }
    return usage();
  } catch (const tabletext::TableError& e) {
    std::fprintf(stderr, "quilm-tablegen: %s\n", e.what());
    return 1;
  }
}

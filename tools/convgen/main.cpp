// convgen: compiles the converter table files of fonts/tables/ into C++
// constant tables. A malformed table stops the build with "file:line: why".
//
//   quilm-convgen --output converter_tables_data.cpp TABLE.tbl...
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/convgen/emit.h"
#include "tools/convgen/member.h"
#include "tools/convgen/table_file.h"

int main(int argc, char** argv) {
  std::string output;
  std::vector<std::string> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--output" && i + 1 < argc) output = argv[++i];
    else inputs.push_back(arg);
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: quilm-convgen [--output FILE] TABLE.tbl...\n");
    return 2;
  }
  try {
    std::vector<convgen::TableFile> files;
    for (const std::string& input : inputs) files.push_back(convgen::parse_table_file(input));
    const std::vector<convgen::Member> members = convgen::resolve_members(files);
    std::ostringstream source;
    convgen::write_tables_source(members, source);
    if (output.empty()) return 0;  // check only
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << source.str();
    if (!out.flush()) {
      std::fprintf(stderr, "convgen: cannot write %s\n", output.c_str());
      return 1;
    }
  } catch (const convgen::TableError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}

// quilm-keygen: compiles the keystroke tables of typing/tables/ into one C++
// source at build time. A malformed table stops the build with
// "file:line: reason".
//
//   quilm-keygen OUTPUT.cpp TABLE.txt...
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/keygen/emit.h"
#include "tools/keygen/key_table_file.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: quilm-keygen OUTPUT.cpp TABLE.txt...\n");
    return 2;
  }
  try {
    std::vector<keygen::TableFile> files;
    for (int i = 2; i < argc; ++i) files.push_back(keygen::read_table_file(argv[i]));
    const std::string text = keygen::emit_tables(files);
    const std::string temporary = std::string(argv[1]) + ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary);
      out << text;
      if (!out.flush()) throw keygen::TableError(temporary + ": cannot write");
    }
    if (std::rename(temporary.c_str(), argv[1]) != 0) throw keygen::TableError(std::string(argv[1]) + ": cannot write");
  } catch (const keygen::TableError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}

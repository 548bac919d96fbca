// Named byte-set tables. A file holds one or more sets:
//
//   @set NAME        then rows of BYTE...   (BYTE is HH or a range HH-HH)
//
// A set's rows may span several lines. A set named twice, a byte given twice
// in one set, a set without bytes or a value that is not a byte fails the
// build with the file and line.
#include "tools/tablegen/named_sets.h"

#include <bitset>
#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

#include "tools/tablegen/cpp_output.h"
#include "tools/tabletext/table_text.h"

namespace tablegen {

using namespace tabletext;

namespace {

struct NamedSet {
  std::string name;
  std::bitset<256> bytes;
  Record header;
};

void add_bytes(const Record& r, const Field& f, NamedSet& set) {
  const auto [first, last] = parse_byte_range(r, f);
  for (unsigned b = first; b <= last; ++b) {
    if (set.bytes.test(b)) r.fail(byte_name(static_cast<std::uint8_t>(b)) + " given twice in set " + set.name);
    set.bytes.set(b);
  }
}

std::vector<NamedSet> read_named_sets(const std::string& path) {
  std::vector<NamedSet> sets;
  std::set<std::string> names;
  for (const Record& r : read_records(path)) {
    if (!r.at(0).quoted && r.at(0).text == "@set") {
      if (r.fields.size() != 2) r.fail("expected: @set NAME");
      if (!names.insert(r.at(1).text).second) r.fail("set " + r.at(1).text + " given twice");
      sets.push_back({r.at(1).text, {}, r});
      continue;
    }
    if (sets.empty()) r.fail("a row before the first @set");
    for (const Field& f : r.fields) add_bytes(r, f, sets.back());
  }
  if (sets.empty()) throw TableError(path + ": no @set section");
  for (const NamedSet& s : sets)
    if (s.bytes.none()) s.header.fail("set " + s.name + " has no bytes");
  return sets;
}

std::string emit(const std::string& path, const std::vector<NamedSet>& sets) {
  std::ostringstream out;
  out << generated_banner("dict/tables/" + std::filesystem::path(path).filename().string()) << "namespace {\n\n";
  for (const NamedSet& s : sets) {
    out << "// @set " << s.name << "\nconstexpr quilm::ByteSet " << constant_name(s.name) << "{";
    const char* separator = "";
    for (int b = 0; b < 256; ++b) {
      if (!s.bytes.test(b)) continue;
      out << separator << byte_name(static_cast<std::uint8_t>(b));
      separator = ", ";
    }
    out << "};\n\n";
  }
  out << "}  // namespace\n";
  return out.str();
}

}  // namespace

std::string generate_named_sets(const std::string& path) { return emit(path, read_named_sets(path)); }

}  // namespace tablegen

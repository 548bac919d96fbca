#include "tools/tablegen/font_tables.h"

#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "tools/tablegen/cpp_output.h"
#include "tools/tabletext/table_text.h"

namespace tablegen {

using namespace tabletext;

namespace {

constexpr std::size_t kMaxNameLength = 40;  // font names are short strings of 40

struct NameTable {
  int capacity = 0;
  int count = 0;
  std::vector<std::string> slots;  // the filled slots, in order
};

struct Encoding {
  int index = 0;
  std::string stem, reader, writer, description;
  std::vector<std::string> names;
  std::vector<std::pair<int, int>> slot_groups;
};

struct Dropdown {
  std::vector<std::string> omitted, added;
};

NameTable read_name_table(const std::string& path) {
  NameTable table;
  std::optional<int> capacity, count;
  for (const Record& r : read_records(path)) {
    const Field& first = r.at(0);
    if (first.text == "slots" || first.text == "count") {
      auto& value = first.text == "slots" ? capacity : count;
      if (value) r.fail("\"" + first.text + "\" given twice");
      if (r.fields.size() != 2) r.fail("expected: " + first.text + " NUMBER");
      value = parse_int(r, r.at(1));
      continue;
    }
    if (r.fields.size() != 2 || !r.at(1).quoted) r.fail("expected: SLOT \"Font Name\"");
    const int slot = parse_int(r, first);
    if (slot != static_cast<int>(table.slots.size()))
      r.fail("slot " + std::to_string(slot) + " out of order, expected " +
             std::to_string(table.slots.size()));
    const std::string& name = r.at(1).text;
    if (name.empty() || name.size() > kMaxNameLength)
      r.fail("a font name has 1 to 40 characters");
    table.slots.push_back(name);
  }
  if (!capacity || !count) throw TableError(path + ": needs \"slots N\" and \"count N\"");
  table.capacity = *capacity;
  table.count = *count;
  if (static_cast<int>(table.slots.size()) > table.capacity)
    throw TableError(path + ": more names than slots");
  if (table.count < 0 || table.count >= table.capacity)
    throw TableError(path + ": the count must be a slot number");
  return table;
}

// "name=value" options of an encoding line.
std::optional<std::string> option_value(const Field& f, const std::string& key) {
  if (f.quoted || f.text.compare(0, key.size() + 1, key + "=") != 0) return std::nullopt;
  std::string value = f.text.substr(key.size() + 1);
  return value == "-" ? std::string() : value;
}

Encoding read_encoding_line(const Record& r) {
  Encoding e;
  e.index = parse_int(r, r.at(1));
  const Field& stem = r.at(2);
  if (stem.quoted) r.fail("expected a converter stem or -");
  if (stem.text != "-") {
    e.stem = stem.text;
    e.reader = e.stem + "_to_gur";
    e.writer = "gur_to_" + e.stem;
  }
  for (std::size_t i = 3; i < r.fields.size(); ++i) {
    const Field& f = r.fields[i];
    if (auto v = option_value(f, "reader")) e.reader = *v;
    else if (auto v = option_value(f, "writer")) e.writer = *v;
    else if (f.quoted && e.description.empty()) e.description = f.text;
    else r.fail("unexpected \"" + f.text + "\"");
  }
  return e;
}

std::pair<int, int> read_slot_group(const Record& r, const NameTable& names) {
  if (r.fields.size() != 2) r.fail("expected: slots FIRST-LAST");
  const std::string& text = r.at(1).text;
  const auto dash = text.find('-');
  if (dash == std::string::npos) r.fail("expected: slots FIRST-LAST");
  const int first = parse_int(r, Field{text.substr(0, dash), false});
  const int last = parse_int(r, Field{text.substr(dash + 1), false});
  if (first > last || first < 0 || last >= static_cast<int>(names.slots.size()))
    r.fail("slot range outside the filled slots");
  return {first, last};
}

std::vector<Encoding> read_index_table(const std::string& path, const NameTable& names) {
  const std::set<std::string> known(names.slots.begin(), names.slots.end());
  std::vector<Encoding> encodings;
  std::set<int> indices;
  std::set<std::string> listed;
  auto add_name = [&](const Record& r, const std::string& name) {
    if (!known.count(name)) r.fail("\"" + name + "\" is not in the font-name table");
    if (!listed.insert(name).second) r.fail("\"" + name + "\" belongs to two encodings");
    encodings.back().names.push_back(name);
  };
  for (const Record& r : read_records(path)) {
    const Field& first = r.at(0);
    if (!first.quoted && first.text == "encoding") {
      encodings.push_back(read_encoding_line(r));
      if (!indices.insert(encodings.back().index).second) r.fail("encoding listed twice");
      continue;
    }
    if (encodings.empty()) r.fail("a name before the first encoding line");
    if (first.quoted) {
      if (r.fields.size() != 1) r.fail("one quoted font name a line");
      add_name(r, first.text);
    } else if (first.text == "slots") {
      const auto group = read_slot_group(r, names);
      encodings.back().slot_groups.push_back(group);
      for (int s = group.first; s <= group.second; ++s) add_name(r, names.slots[s]);
    } else {
      r.fail("expected an encoding line, a \"Font Name\" or slots FIRST-LAST");
    }
  }
  return encodings;
}

Dropdown read_dropdown(const std::string& path, const NameTable& names) {
  const std::set<std::string> known(names.slots.begin(), names.slots.end());
  Dropdown d;
  for (const Record& r : read_records(path)) {
    if (r.fields.size() != 2 || !r.at(1).quoted) r.fail("expected: omit|add \"Font Name\"");
    const std::string& verb = r.at(0).text;
    const std::string& name = r.at(1).text;
    if (verb == "omit") {
      if (!known.count(name)) r.fail("\"" + name + "\" is not in the font-name table");
      d.omitted.push_back(name);
    } else if (verb == "add") {
      if (known.count(name)) r.fail("\"" + name + "\" is already in the font-name table");
      d.added.push_back(name);
    } else {
      r.fail("expected omit or add");
    }
  }
  return d;
}

void write_name_array(std::ostringstream& out, const std::string& var,
                      const std::vector<std::string>& names) {
  out << "constexpr std::array<std::string_view, " << names.size() << "> " << var << " = {\n";
  for (const auto& n : names) out << "    " << string_literal(n) << ",\n";
  out << "};\n";
}

std::string emit(const NameTable& names, const std::vector<Encoding>& encodings,
                 const Dropdown& dropdown) {
  std::ostringstream out;
  out << generated_banner("fonts/data/font_names.txt, font_index.txt and font_dropdown.txt")
      << "namespace {\n\n"
      << "constexpr int kSlotCapacity = " << names.capacity << ";\n"
      << "constexpr int kSlotCount = " << names.count << ";\n";
  write_name_array(out, "kFilledSlots", names.slots);
  for (const Encoding& e : encodings) {
    if (!e.names.empty()) write_name_array(out, "kNames" + std::to_string(e.index), e.names);
    if (!e.slot_groups.empty()) {
      out << "constexpr SlotRange kSlotGroups" << e.index << "[] = {";
      for (auto [first, last] : e.slot_groups) out << "{" << first << ", " << last << "}, ";
      out << "};\n";
    }
  }
  out << "\nconstexpr FontEncoding kEncodings[] = {\n";
  for (const Encoding& e : encodings) {
    const std::string idx = std::to_string(e.index);
    out << "    {" << idx << ", " << string_literal(e.stem) << ", " << string_literal(e.reader)
        << ", " << string_literal(e.writer) << ", " << string_literal(e.description) << ", "
        << (e.names.empty() ? "{}" : "kNames" + idx) << ", "
        << (e.slot_groups.empty() ? "{}" : "kSlotGroups" + idx) << "},\n";
  }
  out << "};\n\n";
  write_name_array(out, "kDropdownOmitted", dropdown.omitted);
  write_name_array(out, "kDropdownAdded", dropdown.added);
  out << "\n}  // namespace\n";
  return out.str();
}

}  // namespace

std::string generate_font_tables(const FontTableSources& sources) {
  const NameTable names = read_name_table(sources.names);
  const std::vector<Encoding> encodings = read_index_table(sources.index, names);
  const Dropdown dropdown = read_dropdown(sources.dropdown, names);
  return emit(names, encodings, dropdown);
}

}  // namespace tablegen

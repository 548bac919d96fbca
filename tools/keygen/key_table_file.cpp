// Reading the keystroke tables: see key_table_file.h and typing/tables/README.md.
#include "tools/keygen/key_table_file.h"

namespace keygen {
namespace {

using tabletext::is_byte;

// One record of a table, its fields as words.
struct Line {
  tabletext::Record record;
  int number;
  std::vector<std::string> words;

  explicit Line(tabletext::Record r) : record(std::move(r)), number(record.line) {
    for (const tabletext::Field& f : record.fields) words.push_back(f.text);
  }
  [[noreturn]] void fail(const std::string& message) const { record.fail(message); }
};

// A glyph or key: one printable ASCII character standing for itself, or a byte HH.
std::uint8_t parse_glyph(const Line& line, const std::string& w) {
  if (w.size() == 1 && w[0] > 0x20 && w[0] < 0x7F) return static_cast<std::uint8_t>(w[0]);
  if (is_byte(w)) return tabletext::parse_byte(line.record, {w, false});
  line.fail("\"" + w + "\" is not a glyph (one character or a byte HH)");
}

// HH-HH
bool is_byte_range(const std::string& w) {
  return w.size() == 5 && w[2] == '-' && is_byte(w.substr(0, 2)) && is_byte(w.substr(3));
}

class Reader {
 public:
  explicit Reader(const std::string& path) { file_.path = path; }

  TableFile read() {
    for (tabletext::Record& record : tabletext::read_records(file_.path)) take(Line(std::move(record)));
    if (file_.space.empty()) throw TableError(file_.path + ": no @tables line names the tables");
    return std::move(file_);
  }

 private:
  enum class Section { None, Pairs, Free, Checks };

  void take(const Line& line) {
    const std::string& head = line.words[0];
    if (head[0] == '@') return directive(line);
    switch (section_) {
      case Section::Pairs: return pair_row(line);
      case Section::Free: return free_row(line);
      case Section::Checks: return check_row(line);
      case Section::None: line.fail("a row outside any @pairs, @free or @checks section");
    }
  }

  void directive(const Line& line) {
    const std::string& head = line.words[0];
    if (head == "@tables") {
      if (line.words.size() != 2 || !file_.space.empty()) line.fail("@tables takes one name, once");
      file_.space = line.words[1];
      return;
    }
    if (file_.space.empty()) line.fail("the first directive must be @tables");
    if (line.words.size() < 2) line.fail(head + " needs a name");
    const std::string& name = line.words[1];
    check_new_name(line, name);
    if (head == "@set") {
      file_.sets.push_back({name, set_of(line, 2, line.words.size())});
      section_ = Section::None;
    } else if (line.words.size() != 2) {
      line.fail(head + " takes only a name; its rows follow");
    } else if (head == "@pairs") {
      file_.pairs.push_back({name, {}});
      section_ = Section::Pairs;
    } else if (head == "@free") {
      file_.frees.push_back({name, {}});
      section_ = Section::Free;
    } else if (head == "@checks") {
      file_.checks.push_back({name, {}});
      section_ = Section::Checks;
    } else {
      line.fail("unknown directive " + head);
    }
  }

  void check_new_name(const Line& line, const std::string& name) {
    auto taken = [&](const auto& list) {
      for (const auto& item : list)
        if (item.name == name) return true;
      return false;
    };
    if (taken(file_.sets) || taken(file_.pairs) || taken(file_.frees) || taken(file_.checks))
      line.fail("\"" + name + "\" is defined twice");
    if (is_byte(name)) line.fail("\"" + name + "\" reads as a byte: choose another name");
  }

  // Words [from, to) as a set: glyphs, ranges HH-HH and names of earlier @set lines.
  Bits set_of(const Line& line, std::size_t from, std::size_t to) const {
    Bits bits;
    for (std::size_t i = from; i < to; ++i) {
      const std::string& w = line.words[i];
      if (is_byte_range(w)) {
        const auto [lo, hi] = tabletext::parse_byte_range(line.record, {w, false});
        for (int b = lo; b <= hi; ++b) bits.set(static_cast<std::size_t>(b));
      } else if (const NamedSet* named = find_set(w)) {
        bits |= named->bytes;
      } else if (w.size() > 1 && !is_byte(w)) {
        line.fail("\"" + w + "\" is neither a glyph nor a set defined above");
      } else {
        const std::uint8_t b = parse_glyph(line, w);
        if (bits.test(b)) line.fail("\"" + w + "\" is listed twice");
        bits.set(b);
      }
    }
    return bits;
  }

  const NamedSet* find_set(const std::string& name) const {
    for (const NamedSet& s : file_.sets)
      if (s.name == name) return &s;
    return nullptr;
  }

  void pair_row(const Line& line) {
    if (line.words.size() != 2) line.fail("a pair row holds two glyphs");
    PairList& list = file_.pairs.back();
    const Pair p{parse_glyph(line, line.words[0]), parse_glyph(line, line.words[1])};
    for (const Pair& q : list.rows)
      if (q.first == p.first && q.second == p.second) line.fail("the pair is listed twice");
    list.rows.push_back(p);
  }

  // KEY PREVIOUS | PREVIOUS-KEYS | BEFORE-CARET
  void free_row(const Line& line) {
    const auto& w = line.words;
    std::vector<std::size_t> bars;
    for (std::size_t i = 0; i < w.size(); ++i)
      if (w[i] == "|") bars.push_back(i);
    if (bars.size() != 2 || bars[0] != 2) line.fail("a free row is: KEY PREVIOUS | KEYS | GLYPHS");
    FreeRow row;
    row.key = parse_glyph(line, w[0]);
    const std::string& test = w[1];
    if (test == "*") {
      row.previous_test = '*';
    } else if (test.size() >= 2 && (test[0] == '=' || test[0] == '!')) {
      row.previous_test = test[0];
      row.previous_key = parse_glyph(line, test.substr(1));
    } else {
      line.fail("the previous-key test is *, =KEY or !KEY");
    }
    row.listed_previous = set_of(line, bars[0] + 1, bars[1]);
    row.listed_before = set_of(line, bars[1] + 1, w.size());
    file_.frees.back().rows.push_back(row);
  }

  // ACTION [GLYPH] KEYS [when SLOT in|not-in SET [and ...]]
  void check_row(const Line& line) {
    const auto& w = line.words;
    CheckRow row;
    row.line = line.number;
    row.action = w[0];
    std::size_t i = 1;
    if (row.action == "become" || row.action == "replace-p1" || row.action == "replace-p1p2") {
      if (w.size() < 3) line.fail(row.action + " needs a glyph and keys");
      row.glyph = parse_glyph(line, w[i++]);
    } else if (row.action != "refuse") {
      line.fail("unknown action \"" + row.action + "\"");
    }
    std::size_t keys_end = i;
    while (keys_end < w.size() && w[keys_end] != "when") ++keys_end;
    if (keys_end == i) line.fail("no keys");
    if (w[i] == "all") {
      row.keys.set();
      row.keys.reset(0);  // a dropped key is 0 and nothing applies to it
      if (keys_end > i + 1) {
        if (w[i + 1] != "except") line.fail("write: all except KEYS");
        row.keys &= ~set_of(line, i + 2, keys_end);
      }
    } else {
      row.keys = set_of(line, i, keys_end);
    }
    i = keys_end;
    if (i < w.size()) {
      ++i;  // "when"
      while (true) {
        std::size_t end = i;
        while (end < w.size() && w[end] != "and") ++end;
        row.conditions.push_back(condition(line, i, end));
        if (end == w.size()) break;
        i = end + 1;
      }
      if (row.conditions.size() > kMaxConditions) line.fail("more than three conditions");
    }
    file_.checks.back().rows.push_back(row);
  }

  Condition condition(const Line& line, std::size_t from, std::size_t to) const {
    static const std::array<std::string, 6> slots = {"P1", "P2", "P3", "P4", "N1", "N2"};
    if (to < from + 3) line.fail("a condition is: SLOT in SET, or SLOT not-in SET");
    Condition c;
    c.slot = -1;
    for (std::size_t s = 0; s < slots.size(); ++s)
      if (line.words[from] == slots[s]) c.slot = static_cast<int>(s);
    if (c.slot < 0) line.fail("\"" + line.words[from] + "\" is not one of P1 P2 P3 P4 N1 N2");
    const std::string& op = line.words[from + 1];
    if (op != "in" && op != "not-in") line.fail("\"" + op + "\" is neither in nor not-in");
    c.negated = op == "not-in";
    c.set = set_of(line, from + 2, to);
    return c;
  }

  TableFile file_;
  Section section_ = Section::None;
};

}  // namespace

TableFile read_table_file(const std::string& path) { return Reader(path).read(); }

}  // namespace keygen

// Parser of the converter table files: one directive a line, bytes written
// as the table reader of tools/tabletext reads them, '#' starts a comment.
#include "tools/convgen/table_file.h"

#include <algorithm>

namespace convgen {
namespace {

class LineReader {
 public:
  LineReader(const TableFile& file, tabletext::Record record)
      : file_(file), record_(std::move(record)), at_{record_.file, record_.line} {}

  [[noreturn]] void fail(const std::string& message) const { record_.fail(message); }

  bool done() const { return next_ == record_.fields.size(); }
  const std::string& peek() const {
    if (done()) fail("the line ends too early");
    return record_.fields[next_].text;
  }
  std::string word() {
    const std::string& w = peek();
    ++next_;
    return w;
  }
  void expect(const std::string& w) {
    if (word() != w) fail("expected \"" + w + "\"");
  }
  void expect_end() const {
    if (!done()) fail("unexpected \"" + record_.fields[next_].text + "\"");
  }
  bool next_is_hex() const { return !done() && tabletext::is_byte(record_.fields[next_].text); }

  std::uint8_t byte() {
    if (done()) fail("the line ends too early");
    return tabletext::parse_byte(record_, record_.fields[next_++]);
  }
  std::uint8_t nonzero_byte() {
    const std::uint8_t b = byte();
    if (b == 0) fail("byte 00 ends every text and cannot appear in a table");
    return b;
  }
  // One or more bytes, or the word "nothing" when `allow_nothing`.
  ByteString output(bool allow_nothing) {
    ByteString out;
    if (!done() && peek() == "nothing") {
      if (!allow_nothing) fail("a unit must give at least one byte");
      word();
      return out;
    }
    do out.push_back(nonzero_byte());
    while (next_is_hex());
    return out;
  }
  std::vector<std::uint8_t> byte_list() {
    std::vector<std::uint8_t> list;
    do list.push_back(nonzero_byte());
    while (next_is_hex());
    return list;
  }
  const Place& at() const { return at_; }
  const TableFile& file() const { return file_; }

 private:
  const TableFile& file_;
  tabletext::Record record_;
  Place at_;
  std::size_t next_ = 0;
};

void require_writer(const LineReader& in, const char* directive) {
  if (in.file().kind != Kind::writer) in.fail(std::string("\"") + directive + "\" belongs to writers");
}

void parse_single(LineReader& in, TableFile& file) {
  const std::uint8_t key = in.nonzero_byte();
  in.expect("->");
  ByteString out = in.output(true);
  in.expect_end();
  if (!file.singles.emplace(key, std::move(out)).second) in.fail("byte listed twice");
}

void parse_unit(LineReader& in, TableFile& file) {
  UnitLine unit;
  unit.at = in.at();
  unit.first = in.nonzero_byte();
  unit.second = in.nonzero_byte();
  if (in.next_is_hex()) {
    unit.third = in.nonzero_byte();
  } else if (in.peek() == "when") {
    in.word();
    unit.when = in.nonzero_byte();
  }
  if ((unit.third || unit.when) && file.kind == Kind::writer) in.fail("writers have two-byte units only");
  in.expect("->");
  unit.output = in.output(false);
  in.expect_end();
  file.units.push_back(std::move(unit));
}

void parse_precedence(LineReader& in, TableFile& file) {
  UnitLine unit;
  unit.at = in.at();
  unit.first = in.nonzero_byte();
  unit.second = in.nonzero_byte();
  unit.precedence = true;
  in.expect_end();
  file.units.push_back(std::move(unit));
}

void parse_remove(LineReader& in, TableFile& file) {
  if (file.base.empty()) in.fail("\"remove\" needs a base");
  const std::string what = in.word();
  if (what == "unit") {
    const std::uint8_t first = in.nonzero_byte();
    const std::uint8_t second = in.nonzero_byte();
    file.removed_units.emplace_back(first, second);
  } else if (what == "rules") {
    require_writer(in, "remove rules");
    file.remove_rules = true;
  } else if (what == "keep-context") {
    require_writer(in, "remove keep-context");
    file.remove_keep_context = true;
  } else if (what == "post-pass") {
    require_writer(in, "remove post-pass");
    file.remove_post_pass = true;
  } else {
    in.fail("\"remove\" takes \"unit\", \"rules\", \"keep-context\" or \"post-pass\"");
  }
  in.expect_end();
}

// rule 5A 60 -> 7E when previous 3F or before-previous 54
void parse_rule(LineReader& in, TableFile& file) {
  require_writer(in, "rule");
  const std::vector<std::uint8_t> bytes = in.byte_list();
  in.expect("->");
  const ByteString alternate = in.output(false);
  in.expect("when");
  RuleLine rule;
  rule.at = in.at();
  rule.alternate = alternate;
  for (bool first = true; !in.done(); first = false) {
    if (!first) in.expect("or");
    const std::string which = in.word();
    if (which == "previous" && rule.previous.empty()) {
      rule.previous = in.byte_list();
    } else if (which == "before-previous" && rule.before_previous.empty()) {
      rule.before_previous = in.byte_list();
    } else {
      in.fail("a condition is \"previous BYTES\" or \"before-previous BYTES\", each at most once");
    }
  }
  if (rule.previous.empty() && rule.before_previous.empty()) in.fail("a rule needs a condition");
  for (std::uint8_t b : bytes) {
    rule.byte = b;
    file.rules.push_back(rule);
  }
}

// joined 3B -> 46: the glyph a nukta after SA adds, for writers that have no unit for the pair.
void parse_joined(LineReader& in, TableFile& file) {
  require_writer(in, "joined");
  const std::uint8_t consonant = in.nonzero_byte();
  if (consonant != 0x3B && consonant != 0x62 && consonant != 0x63 && consonant != 0x69 && consonant != 0x72 &&
      consonant != 0x79)
    in.fail("only the consonants 3B 62 63 69 72 79 join a following nukta");
  in.expect("->");
  ByteString out = in.output(false);
  in.expect_end();
  if (!file.joined.emplace(consonant, std::move(out)).second) in.fail("joined output listed twice");
}

void parse_pattern(LineReader& in, TableFile& file) {
  require_writer(in, "pattern");
  const std::string name = in.word();
  if (std::find(std::begin(kPatternNames), std::end(kPatternNames), name) == std::end(kPatternNames))
    in.fail("unknown pattern \"" + name + "\"");
  PatternLine pattern;
  const std::string action = in.word();
  if (action == "plain") {
    pattern.action = Action::plain;
  } else if (action == "drop") {
    pattern.action = Action::drop;
  } else if (action == "append" || action == "join") {
    pattern.action = action == "append" ? Action::append : Action::join;
    pattern.glyph = in.nonzero_byte();
  } else {
    in.fail("a pattern is \"plain\", \"drop\", \"append BYTE\" or \"join BYTE\"");
  }
  in.expect_end();
  if (!file.patterns.emplace(name, pattern).second) in.fail("pattern set twice");
}

void parse_header(LineReader& in, TableFile& file, const std::string& directive) {
  if (directive == "base") {
    if (!file.base.empty()) in.fail("a second base");
    file.base = in.word();
  } else if (directive == "fonts") {
    do {
      const std::string w = in.word();
      if (w.empty() || !std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; }) || w.size() > 3)
        in.fail("\"" + w + "\" is not a font index");
      file.fonts.push_back(std::stoi(w));
    } while (!in.done());
  } else if (directive == "keep-context") {
    require_writer(in, "keep-context");
    if (file.keep_context) in.fail("keep-context set twice");
    file.keep_context = in.byte_list();
  } else if (directive == "post-pass") {
    require_writer(in, "post-pass");
    const std::string pass = in.word();
    if (pass != "Format_for_Quilm") in.fail("the only post-pass is Format_for_Quilm");
    file.post_pass = pass;
  } else if (directive == "pre-pass") {
    require_writer(in, "pre-pass");
    const std::string pass = in.word();
    if (pass != "sa-nukta-as-sha") in.fail("the only pre-pass is sa-nukta-as-sha");
    file.pre_pass = pass;
  }
  in.expect_end();
}

void parse_line(LineReader& in, TableFile& file) {
  const std::string first = in.peek();
  if (first == "unit") {
    in.word();
    parse_unit(in, file);
  } else if (first == "precedence") {
    in.word();
    parse_precedence(in, file);
  } else if (first == "remove") {
    in.word();
    parse_remove(in, file);
  } else if (first == "rule") {
    in.word();
    parse_rule(in, file);
  } else if (first == "pattern") {
    in.word();
    parse_pattern(in, file);
  } else if (first == "joined") {
    in.word();
    parse_joined(in, file);
  } else if (first == "base" || first == "fonts" || first == "keep-context" || first == "post-pass" ||
             first == "pre-pass") {
    in.word();
    parse_header(in, file, first);
  } else {
    parse_single(in, file);
  }
}

// The first directive names the member: "reader NAME" or "writer NAME".
void parse_name(LineReader& in, TableFile& file, const std::filesystem::path& path) {
  const std::string kind = in.word();
  if (kind != "reader" && kind != "writer") in.fail("a table starts with \"reader NAME\" or \"writer NAME\"");
  file.kind = kind == "reader" ? Kind::reader : Kind::writer;
  file.name = in.word();
  in.expect_end();
  const bool well_named = file.kind == Kind::reader ? file.name.ends_with("_to_gur") && file.name.size() > 7
                                                    : file.name.starts_with("gur_to_") && file.name.size() > 7;
  if (!well_named) in.fail("a reader is named STEM_to_gur, a writer gur_to_STEM");
  if (path.stem().string() != file.name) in.fail("the file name must be the member's name");
}

}  // namespace

TableFile parse_table_file(const std::filesystem::path& path) {
  TableFile file;
  file.at.file = path.string();
  bool named = false;
  for (tabletext::Record& record : tabletext::read_records(path.string())) {
    LineReader in(file, std::move(record));
    if (!named) {
      parse_name(in, file, path);
      named = true;
    } else {
      parse_line(in, file);
    }
  }
  if (!named) throw TableError(file.at.where() + "the file names no member");
  return file;
}

}  // namespace convgen

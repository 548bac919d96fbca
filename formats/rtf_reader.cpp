#include "formats/rtf_reader.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "formats/legacy_bytes.h"
#include "editor/run_list.h"

namespace quilm {
namespace {

constexpr int kSymbolCharset = 2;
constexpr int kDefaultHalfPoints = 24;  // 12 points, as RTF assumes without \fs

// Destinations whose text is not document text.
constexpr std::array<std::string_view, 52> kSkippedDestinations = {
    "aftnsep",  "aftnsepc",   "annotation", "atnauthor", "atnid",     "author",         "bkmkend",
    "bkmkstart", "colorschememapping", "comment", "datastore", "docvar", "falt", "fchars",
    "filetbl",  "fldinst",    "footer",     "footerf",   "footerl",   "footerr",        "footnote",
    "ftnsep",   "ftnsepc",    "generator",  "header",    "headerf",   "headerl",        "headerr",
    "info",     "latentstyles", "lchars",   "listoverridetable", "listtable", "listtext", "mmathPr",
    "nonshppict", "object",   "objdata",    "operator",  "panose",    "pgdsctbl",       "pict",
    "pntext",   "revtbl",     "rsidtbl",    "stylesheet", "subject",  "template",       "themedata",
    "title",    "userprops",  "xmlnstbl",
};

// Control words that stand for one character.
struct NamedChar {
  std::string_view word;
  char16_t c;
};
constexpr NamedChar kNamedChars[] = {
    {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
    {"bullet", 0x2022}, {"endash", 0x2013}, {"emdash", 0x2014},    {"enspace", 0x2002},
    {"emspace", 0x2003}, {"qmspace", 0x2005}, {"tab", u'\t'},      {"cell", u'\t'},
    {"nestcell", u'\t'},
};

// Control words that end a paragraph in the editor's terms.
constexpr std::string_view kBreaks[] = {"par", "line", "page", "sect", "row", "nestrow"};

enum class Destination { Text, FontTable, ColorTable, Skip };

struct FontEntry {
  std::string name;
  int charset = 0;
  bool named = false;  // the ';' after the name was read
};

struct GroupState {
  Destination destination = Destination::Text;
  int font = -1;  // -1: the default font (\deff)
  int half_points = kDefaultHalfPoints;
  bool bold = false, italic = false, underline = false, strike = false;
  int fore = 0, back = 0;  // colour table indices; 0 is automatic
  int complex_font = -1;   // \af after \rtlch: the font of complex-script text
  int complex_half_points = -1;
  bool associated_is_complex = true;
  int unicode_skip = 1;  // \ucN
  Alignment alignment = Alignment::Left;
};

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Scripts whose text Word and LibreOffice give the associated (\af) font.
bool is_complex_script(char16_t c) { return c >= 0x0590 && c <= 0x0DFF; }

class RtfParser {
 public:
  RtfParser(BytesView in, const CharFormat& default_format) : in_(in), default_format_(default_format) {}

  Status parse(Document& out);

 private:
  Status parse_body();
  void control_word(std::string_view word, std::optional<int> parameter);
  void control_symbol(char symbol);
  void text_byte(std::uint8_t byte);
  void destination_text(std::uint8_t byte);
  void emit(char16_t c);
  void paragraph_break();
  char16_t decode(std::uint8_t byte) const;
  const FontEntry* font_entry(int index) const;
  CharFormat current_format(char16_t c) const;
  bool skipping_fallback();
  void open_group();
  void close_group();

  BytesView in_;
  std::size_t pos_ = 0;
  const CharFormat& default_format_;
  GroupState state_;
  std::vector<GroupState> stack_;
  int fallback_left_ = 0;        // characters after \uN still to skip

  std::map<int, FontEntry> fonts_;
  int font_being_named_ = -1;
  int default_font_ = 0;
  int code_page_ = 1252;
  std::vector<std::optional<Color>> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool color_given_ = false;

  std::vector<TextRun> runs_;
  std::vector<ParagraphFormat> alignments_;
  std::array<int, Editor::kDocumentValues> values_{};
  bool ends_with_break_ = false;
};

Status RtfParser::parse(Document& out) {
  if (in_.substr(0, 5) != "{\\rtf") return Status::Error("The file is not RTF: it does not start with {\\rtf.");
  if (Status s = parse_body(); !s) return s;
  // The last \par is the mark of the last paragraph, not the start of another.
  if (ends_with_break_) {
    runs_.back().text.pop_back();
  } else {
    alignments_.push_back(state_.alignment);
  }
  merge_runs(runs_);
  Document doc;
  doc.runs = std::move(runs_);
  doc.paragraphs = std::move(alignments_);
  doc.values = values_;
  out = std::move(doc);
  return Status::Ok();
}

Status RtfParser::parse_body() {
  std::vector<std::size_t> group_starts;
  while (pos_ < in_.size()) {
    const char c = in_[pos_];
    if (c == '{') {
      group_starts.push_back(pos_++);
      open_group();
    } else if (c == '}') {
      ++pos_;
      if (group_starts.empty()) break;
      group_starts.pop_back();
      close_group();
      if (group_starts.empty()) return Status::Ok();  // the document's group is closed
    } else if (c == '\\') {
      ++pos_;
      if (pos_ >= in_.size()) break;
      const char next = in_[pos_];
      if (is_letter(next)) {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && is_letter(in_[pos_]) && pos_ - start < 32) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        std::optional<int> parameter;
        const std::size_t number_start = pos_;
        const bool negative = pos_ < in_.size() && in_[pos_] == '-';
        if (negative) ++pos_;
        const std::size_t digits_start = pos_;
        long value = 0;
        while (pos_ < in_.size() && is_digit(in_[pos_]) && pos_ - digits_start < 10) {
          value = std::min(value * 10 + (in_[pos_] - '0'), (1L << 31) - 1);
          ++pos_;
        }
        if (pos_ > digits_start) {
          parameter = static_cast<int>(negative ? -value : value);
        } else {
          pos_ = number_start;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        control_word(word, parameter);
      } else if (next == '\'') {
        const auto hex = [&](std::size_t at) -> int {
          if (at >= in_.size()) return -1;
          const char h = in_[at];
          if (is_digit(h)) return h - '0';
          if (h >= 'a' && h <= 'f') return h - 'a' + 10;
          if (h >= 'A' && h <= 'F') return h - 'A' + 10;
          return -1;
        };
        const int high = hex(pos_ + 1), low = hex(pos_ + 2);
        if (high < 0 || low < 0) {
          return Status::Error("The RTF file is damaged: \\' at byte " + std::to_string(pos_ - 1) +
                               " is not followed by two hexadecimal digits.");
        }
        pos_ += 3;
        text_byte(static_cast<std::uint8_t>(high * 16 + low));
      } else {
        ++pos_;
        control_symbol(next);
      }
    } else if (c == '\r' || c == '\n') {
      ++pos_;
    } else {
      ++pos_;
      text_byte(static_cast<std::uint8_t>(c));
    }
  }
  if (group_starts.empty()) return Status::Ok();
  return Status::Error("The RTF file is damaged: the group that opens at byte " +
                       std::to_string(group_starts.back()) + " is never closed (the file may be cut short).");
}

void RtfParser::open_group() {
  stack_.push_back(state_);
  fallback_left_ = 0;
}

void RtfParser::close_group() {
  fallback_left_ = 0;
  if (state_.destination == Destination::FontTable && !stack_.empty() &&
      stack_.back().destination != Destination::FontTable) {
    font_being_named_ = -1;
  }
  if (stack_.empty()) return;
  state_ = stack_.back();
  stack_.pop_back();
}

bool RtfParser::skipping_fallback() {
  if (fallback_left_ == 0) return false;
  --fallback_left_;
  return true;
}

void RtfParser::control_symbol(char symbol) {
  if (symbol == '*') {  // a destination that readers may skip
    state_.destination = Destination::Skip;
    return;
  }
  if (state_.destination == Destination::Skip) return;
  if (symbol == '\\' || symbol == '{' || symbol == '}') {
    text_byte(static_cast<std::uint8_t>(symbol));
    return;
  }
  if (skipping_fallback()) return;
  if (state_.destination != Destination::Text) return;
  switch (symbol) {
    case '~': emit(0x00A0); break;
    case '_': emit(0x2011); break;
    case '-': emit(0x00AD); break;  // the optional hyphen; byte 0xAD of a legacy font
    case '\r':
    case '\n': paragraph_break(); break;
    default: break;  // \: index entry, \| formula
  }
}

void RtfParser::control_word(std::string_view word, std::optional<int> parameter) {
  if (word == "bin") {  // raw bytes follow; they are never text of ours
    pos_ = std::min(in_.size(), pos_ + static_cast<std::size_t>(std::max(0, parameter.value_or(0))));
    return;
  }
  if (state_.destination == Destination::Skip) return;
  const int n = parameter.value_or(1);
  const bool on = parameter.value_or(1) != 0;

  if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) != kSkippedDestinations.end()) {
    state_.destination = Destination::Skip;
    return;
  }
  if (word == "fonttbl") {
    state_.destination = Destination::FontTable;
    return;
  }
  if (word == "colortbl") {
    state_.destination = Destination::ColorTable;
    colors_.clear();
    return;
  }
  if (state_.destination == Destination::FontTable) {
    if (word == "f") {
      font_being_named_ = n;
      fonts_[n] = FontEntry{};
    } else if (word == "fcharset" && font_being_named_ >= 0) {
      fonts_[font_being_named_].charset = n;
    }
    return;
  }
  if (state_.destination == Destination::ColorTable) {
    if (word == "red") red_ = n, color_given_ = true;
    if (word == "green") green_ = n, color_given_ = true;
    if (word == "blue") blue_ = n, color_given_ = true;
    return;
  }

  if (word == "u") {
    if (skipping_fallback()) return;
    emit(static_cast<char16_t>(n < 0 ? n + 0x10000 : n));
    fallback_left_ = state_.unicode_skip;
    return;
  }
  if (skipping_fallback()) return;

  for (const NamedChar& named : kNamedChars) {
    if (word == named.word) {
      emit(named.c);
      return;
    }
  }
  if (std::find(std::begin(kBreaks), std::end(kBreaks), word) != std::end(kBreaks)) {
    paragraph_break();
    return;
  }

  GroupState& s = state_;
  if (word == "ansicpg") {
    code_page_ = n;
  } else if (word == "deff") {
    default_font_ = n;
  } else if (word == "uc") {
    s.unicode_skip = std::max(0, n);
  } else if (word == "plain") {
    const GroupState kept = s;
    s = GroupState{};
    s.destination = kept.destination;
    s.unicode_skip = kept.unicode_skip;
    s.alignment = kept.alignment;
  } else if (word == "pard") {
    s.alignment = Alignment::Left;
  } else if (word == "ql") {
    s.alignment = Alignment::Left;
  } else if (word == "qr") {
    s.alignment = Alignment::Right;
  } else if (word == "qc") {
    s.alignment = Alignment::Center;
  } else if (word == "qj") {
    s.alignment = Alignment::Justify;
  } else if (word == "f") {
    s.font = n;
  } else if (word == "fs") {
    s.half_points = n > 0 ? n : kDefaultHalfPoints;
  } else if (word == "rtlch") {
    s.associated_is_complex = true;
  } else if (word == "ltrch" || word == "hich" || word == "loch" || word == "dbch") {
    s.associated_is_complex = false;
  } else if (word == "af") {
    if (s.associated_is_complex) s.complex_font = n;
  } else if (word == "afs") {
    if (s.associated_is_complex) s.complex_half_points = n;
  } else if (word == "b") {
    s.bold = on;
  } else if (word == "i") {
    s.italic = on;
  } else if (word == "ul" || word == "uld" || word == "uldb" || word == "uldash" || word == "uldashd" ||
             word == "uldashdd" || word == "ulth" || word == "ulw" || word == "ulwave" || word == "ulhwave" ||
             word == "ululdbwave" || word == "ulldash" || word == "ulthd" || word == "ulthdash") {
    s.underline = on;
  } else if (word == "ulnone") {
    s.underline = false;
  } else if (word == "strike" || word == "striked") {
    s.strike = on;
  } else if (word == "cf") {
    s.fore = n;
  } else if (word == "cb" || word == "chcbpat" || word == "highlight") {
    s.back = n;
  } else if (word == "paperw") {
    values_[0] = n;
  } else if (word == "paperh") {
    values_[1] = n;
  } else if (word == "margl") {
    values_[2] = n;
  } else if (word == "margt") {
    values_[3] = n;
  } else if (word == "margr") {
    values_[4] = n;
  } else if (word == "margb") {
    values_[5] = n;
  }
}

void RtfParser::text_byte(std::uint8_t byte) {
  switch (state_.destination) {
    case Destination::Skip: return;
    case Destination::FontTable:
    case Destination::ColorTable: destination_text(byte); return;
    case Destination::Text: break;
  }
  if (skipping_fallback()) return;
  emit(decode(byte));
}

void RtfParser::destination_text(std::uint8_t byte) {
  if (state_.destination == Destination::ColorTable) {
    if (byte != ';') return;
    colors_.push_back(color_given_ ? std::optional<Color>((red_ & 0xFF) << 16 | (green_ & 0xFF) << 8 | (blue_ & 0xFF))
                                   : std::nullopt);
    red_ = green_ = blue_ = 0;
    color_given_ = false;
    return;
  }
  if (font_being_named_ < 0) return;
  FontEntry& entry = fonts_[font_being_named_];
  if (entry.named) return;
  if (byte == ';') {
    entry.named = true;
  } else {
    entry.name.push_back(static_cast<char>(byte));
  }
}

const FontEntry* RtfParser::font_entry(int index) const {
  const auto it = fonts_.find(index < 0 ? default_font_ : index);
  return it == fonts_.end() ? nullptr : &it->second;
}

// A symbol font keeps its bytes; Windows fonts of the ANSI character set read
// them in code page 1252, as do fonts the table lacks when the document's code
// page is 1252. Other code pages keep the byte's own code.
char16_t RtfParser::decode(std::uint8_t byte) const {
  const FontEntry* font = font_entry(state_.font);
  if (font && font->charset == kSymbolCharset) return byte;
  if (font ? font->charset == 0 || font->charset == 1 : code_page_ == 1252) return cp1252_char(byte);
  return byte;
}

CharFormat RtfParser::current_format(char16_t c) const {
  const GroupState& s = state_;
  const bool complex = is_complex_script(c) && s.complex_font >= 0 && font_entry(s.complex_font);
  const FontEntry* font = font_entry(complex ? s.complex_font : s.font);
  const int half_points = complex && s.complex_half_points > 0 ? s.complex_half_points : s.half_points;
  CharFormat f;
  f.font_name = font ? font->name : default_format_.font_name;
  // Half points rounded up; \fs2147483647 must not overflow on the way.
  f.font_size = static_cast<int>(std::max(1L, (static_cast<long>(half_points) + 1) / 2));
  f.bold = s.bold;
  f.italic = s.italic;
  f.underline = s.underline;
  f.strikethru = s.strike;
  const auto color = [&](int index) -> std::optional<Color> {
    return index > 0 && index < static_cast<int>(colors_.size()) ? colors_[index] : std::nullopt;
  };
  f.fore_color = color(s.fore).value_or(kBlack);
  f.back_color = color(s.back).value_or(kWhite);
  return f;
}

void RtfParser::emit(char16_t c) {
  if (state_.destination != Destination::Text) return;
  CharFormat f = current_format(c);
  if (runs_.empty() || !(runs_.back().format == f)) runs_.push_back({u"", std::move(f)});
  runs_.back().text.push_back(c);
  ends_with_break_ = false;
}

void RtfParser::paragraph_break() {
  if (state_.destination != Destination::Text) return;
  emit(kParagraphBreak);
  alignments_.push_back(state_.alignment);
  ends_with_break_ = true;
}

}  // namespace

Status read_rtf(BytesView bytes, const CharFormat& default_format, Document& out) {
  RtfParser parser(bytes, default_format);
  return parser.parse(out);
}

}  // namespace quilm

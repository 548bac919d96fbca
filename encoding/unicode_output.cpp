// GurToUnicode. At each position the first rule that matches is applied and
// consumes its bytes; a byte that no rule names is written as its characters
// from the byte table.
#include "encoding/unicode_output.h"

#include <array>
#include <cstring>
#include <tuple>

#include "encoding/export_preparation.h"
#include "encoding/pivot.h"
#include "encoding/pivot_bytes.h"
#include "encoding/unicode_meaning.h"
#include "encoding/utf16.h"

namespace quilm {
namespace {

using namespace pivot;

constexpr char16_t kSignI = 0x0A3F, kLLA = 0x0A33, kAddakChar = 0x0A71;

// For each byte that begins a rule of step(), the bytes after it with which
// a rule may apply; any other byte, or pair, is written glyph by glyph.
using RuleStarts = std::array<ByteSet, 256>;

constexpr RuleStarts make_rule_starts() {
  RuleStarts starts{};
  starts[kApostrophe] = {kApostrophe};
  starts[0x62] = {kNukta, kSignEE, kSignOO, kAddak};
  starts[kUra] = {kSignU, kSignUU};
  starts[kIri] = {kSignII, kSignEE};
  for (int b = 0; b < 256; ++b) starts[kSihari].insert(static_cast<std::uint8_t>(b));
  starts[kDanda] = {kDanda};
  starts[kLetterA] = {kSignAA, kSignAI, kSignAU};
  return starts;
}

constexpr RuleStarts kRuleStarts = make_rule_starts();

// The two forms the rules write: UTF-16 units, or UTF-8 bytes straight from
// a table of each pivot byte's bytes. put() takes the characters the rules
// name, all in the BMP.
struct Utf16Units {
  using Unit = char16_t;
  static const PivotUtf16Table& table() { return pivot_utf16_table(); }
  static Unit* put(char16_t c, Unit* out) {
    *out = c;
    return out + 1;
  }
};

struct Utf8Units {
  using Unit = char;
  static const PivotUtf8Table& table() { return pivot_utf8_table(); }
  static Unit* put(char16_t c, Unit* out) { return out + write_utf8_bmp(c, out); }
};

// Writes through a cursor into room that the caller has made: no byte gives
// more than the most units a byte's entry holds, and no rule more than that
// per byte it consumes, so that much room per byte is always enough.
template <typename Form>
class UnicodeWriter {
  using Unit = typename Form::Unit;

 public:
  UnicodeWriter(BytesView t, Unit* out) : t_(t), out_(out), table_(Form::table()) {}

  Unit* run() {
    const std::size_t n = t_.size();
    while (i_ < n) {
      const std::uint8_t b = byte_at(t_, i_);
      if (i_ + 1 < n && kRuleStarts[b].contains(t_[i_ + 1])) step();
      else glyph_of(b), take(1);
    }
    return out_;
  }

 private:
  int at(std::size_t k) const { return i_ + k < t_.size() ? byte_at(t_, i_ + k) : -1; }
  bool sub(std::size_t k) const { return at(k) >= 0 && kSubjoinedForm.contains(static_cast<std::uint8_t>(at(k))); }
  void put(char16_t c) { out_ = Form::put(c, out_); }
  // Copies the whole entry (one fixed-size move) and keeps as many units as
  // the byte has.
  void glyph_of(std::uint8_t b) {
    const auto& chars = table_[b];
    std::memcpy(out_, chars.units.data(), sizeof chars.units);
    out_ += chars.size;
  }
  void glyph(std::size_t k) { glyph_of(static_cast<std::uint8_t>(at(k))); }
  void take(std::size_t n) { i_ += n; }

  void step() {
    const int b = at(0), n1 = at(1), n2 = at(2);
    if (b == kApostrophe && n1 == kApostrophe) return put(u'"'), take(2);
    if (b == 0x62 && n1 == kNukta) return lla_with_nukta();
    if (b == 0x62 && n2 == kNukta && (n1 == kSignEE || n1 == kSignOO)) return put(kLLA), glyph(1), take(3);
    if (b == 0x62 && n1 == kAddak && n2 == kNukta) return lla_with_addak();
    if (b == kUra && n1 == kSignU) return put(0x0A09), take(2);
    if (b == kUra && n1 == kSignUU) return put(0x0A0A), take(2);
    if (b == kIri && n1 == kSignII) return put(0x0A08), take(2);
    if (b == kIri && n1 == kSignEE) return put(0x0A0F), take(2);
    if (b == kSihari && n1 == kIri) return put(0x0A07), take(2);
    if (b == kSihari && n1 >= 0) return consonant_with_sihari();
    if (b == kDanda && n1 == kDanda) return put(0x0965), take(2);
    if (b == kLetterA && n1 == kSignAA) return put(0x0A06), take(2);
    if (b == kLetterA && n1 == kSignAI) return put(0x0A10), take(2);
    if (b == kLetterA && n1 == kSignAU) return put(0x0A14), take(2);
    glyph(0);
    take(1);
  }

// LA, nukta, and perhaps a subjoined letter.
  void lla_with_nukta() {
    put(kLLA);
    if (sub(2)) return glyph(2), take(3);
    take(2);
  }

  // LA, addak, nukta: LLA, addak, then the next letter (with its sihari).
  void lla_with_addak() {
    put(kLLA);
    put(kAddakChar);
    if (at(3) == kSihari && at(4) >= 0) return glyph(4), put(kSignI), take(5);
    if (at(3) >= 0) return glyph(3), take(4);
    take(3);
  }

  // Sihari is stored before its consonant; Unicode writes it after the
  // consonant and after a subjoined letter of that consonant.
  void consonant_with_sihari() {
    glyph(1);
    if (sub(2)) return glyph(2), put(kSignI), take(3);
    put(kSignI);
    take(2);
  }

  BytesView t_;
  Unit* out_;
  const decltype(Form::table())& table_;
  std::size_t i_ = 0;
};

}  // namespace

static_assert(std::tuple_size_v<decltype(PivotUtf16::units)> <= kUnicodeUnitsPerPivotByte);
static_assert(std::tuple_size_v<decltype(PivotUtf8::units)> <= kUtf8BytesPerPivotByte);

char16_t* write_prepared_as_unicode(BytesView prepared, char16_t* out) {
  return UnicodeWriter<Utf16Units>(prepared, out).run();
}

char* write_prepared_as_utf8(BytesView prepared, char* out) { return UnicodeWriter<Utf8Units>(prepared, out).run(); }

void write_prepared_as_unicode(BytesView prepared, std::u16string& out) {
  // A word of ordinary length is written on the stack and appended at once.
  constexpr std::size_t kShortWord = 64;
  if (prepared.size() <= kShortWord) {
    char16_t room[kShortWord * kUnicodeUnitsPerPivotByte];
    const char16_t* end = write_prepared_as_unicode(prepared, room);
    out.append(room, static_cast<std::size_t>(end - room));
    return;
  }
  const std::size_t start = out.size();
  out.resize(start + prepared.size() * kUnicodeUnitsPerPivotByte);
  const char16_t* end = write_prepared_as_unicode(prepared, out.data() + start);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

void GurToUnicode(BytesView pivot, std::u16string& out) {
  Bytes t(pivot);
  prepare_for_export_in_place(t);
  write_prepared_as_unicode(t, out);
}

std::u16string GurToUnicode(BytesView pivot) {
  std::u16string out;
  out.reserve(pivot.size() + pivot.size() / 2);
  GurToUnicode(pivot, out);
  return out;
}

}  // namespace quilm

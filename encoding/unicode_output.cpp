// GurToUnicode. At each position the first rule that matches is applied and
// consumes its bytes; a byte that no rule names is written as its characters
// from the byte table.
#include "encoding/unicode_output.h"

#include "encoding/export_preparation.h"
#include "encoding/pivot.h"
#include "encoding/pivot_bytes.h"
#include "encoding/unicode_meaning.h"

namespace quilm {
namespace {

using namespace pivot;

constexpr char16_t kVirama = 0x0A4D, kSignI = 0x0A3F, kLLA = 0x0A33, kAddakChar = 0x0A71;

// The bytes that begin a rule of step(); any other byte is its own glyph.
constexpr ByteSet kRuleStart{kApostrophe, 0x62, kUra, kIri, kSihari, kDanda, kLetterA};

class UnicodeWriter {
 public:
  UnicodeWriter(BytesView t, std::u16string& out) : t_(t), out_(out) {}

  void run() {
    while (i_ < t_.size()) step();
  }

 private:
  int at(std::size_t k) const { return i_ + k < t_.size() ? byte_at(t_, i_ + k) : -1; }
  bool sub(std::size_t k) const { return at(k) >= 0 && kSubjoinedForm.contains(static_cast<std::uint8_t>(at(k))); }
  void put(char16_t c) { out_.push_back(c); }
  void glyph(std::size_t k) { append_pivot_unicode(static_cast<std::uint8_t>(at(k)), out_); }
  void take(std::size_t n) { i_ += n; }

  void step() {
    if (!kRuleStart.contains(t_[i_])) return glyph(0), take(1);
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
  std::u16string& out_;
  std::size_t i_ = 0;
};

}  // namespace

void write_prepared_as_unicode(BytesView prepared, std::u16string& out) { UnicodeWriter(prepared, out).run(); }

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

// GurToHindiUnicode: the export preparation, tippi as bindi, then rules read
// left to right (first match wins); any other byte is written as its
// Devanagari characters (encoding/tables/devanagari.txt for the exceptions).
#include "encoding/devanagari.h"

#include <array>

#include "encoding/export_preparation.h"
#include "encoding/pivot.h"
#include "encoding/pivot_bytes.h"
#include "encoding/unicode_meaning.h"

namespace quilm {
namespace {

#include "encoding/devanagari_tables.inc"

using namespace pivot;

constexpr char16_t kVirama = 0x094D, kSignI = 0x093F, kLLA = 0x0933, kHighDot = 0x0971;

void append_devanagari(std::uint8_t b, std::u16string& out) {
  const std::u32string_view exception = kDevanagariExceptions[b];
  if (!exception.empty()) {
    for (char32_t c : exception) out.push_back(static_cast<char16_t>(c));
    return;
  }
  const std::size_t start = out.size();
  append_pivot_unicode(b, out);
  for (std::size_t i = start; i < out.size(); ++i)
    if (out[i] >= 0x0A00 && out[i] < 0x0A80) out[i] = static_cast<char16_t>(out[i] - 0x100);
}

// The consonant that an addak writes before an aspirate: its unaspirated
// partner. 0 for other letters, which are doubled as themselves.
char16_t unaspirated(std::uint8_t b) {
  switch (b) {
    case 0x79: return 0x0915;  // KHA: KA
    case 0x78: return 0x0917;  // GHA: GA
    case 0x53: return 0x091A;  // CHA: CA
    case 0x4D: return 0x091C;  // JHA: JA
    case 0x6D: return 0x091F;  // TTHA: TTA
    case 0x59: return 0x0921;  // DDHA: DDA
    case 0x45: return 0x0924;  // THA: TA
    case 0x58: return 0x0926;  // DHA: DA
    case 0x63: return 0x092A;  // PHA: PA
    case 0x47: return 0x092C;  // BHA: BA
    default: return 0;
  }
}

class DevanagariWriter {
 public:
  DevanagariWriter(BytesView t, std::u16string& out) : t_(t), out_(out) {}
  void run() {
    while (i_ < t_.size()) step();
  }

 private:
  int at(std::size_t k) const { return i_ + k < t_.size() ? byte_at(t_, i_ + k) : -1; }
  bool sub(std::size_t k) const { return at(k) >= 0 && kSubjoinedForm.contains(static_cast<std::uint8_t>(at(k))); }
  void put(char16_t c) { out_.push_back(c); }
  void glyph(std::size_t k) { append_devanagari(static_cast<std::uint8_t>(at(k)), out_); }
  void take(std::size_t n) { i_ += n; }

  // The letter at k doubled: its first half (the unaspirated partner of an
  // aspirate), VIRAMA, the letter.
  void doubled(std::size_t k) {
    const auto b = static_cast<std::uint8_t>(at(k));
    if (const char16_t first = unaspirated(b)) put(first);
    else glyph(k);
    put(kVirama);
    glyph(k);
  }

  void step() {
    const int b = at(0), n1 = at(1), n2 = at(2);
    if (b == 0x62 && n1 == kNukta) {
      put(kLLA);
      if (sub(2)) return glyph(2), take(3);
      return take(2);
    }
    if (b == 0x62 && n1 == kSignEE && n2 == kNukta) return put(kLLA), put(0x0947), take(3);
    if (b == 0x62 && n1 == kAddak && n2 == kNukta && at(3) >= 0) {
      put(kLLA);
      put(kHighDot);
      if (at(3) == kSihari && at(4) >= 0) return glyph(4), put(kSignI), take(5);
      return glyph(3), take(4);
    }
    if (b == 0x62 && n1 == kSignOO && n2 == kNukta) return put(kLLA), put(0x094B), take(3);
    if (b == kUra && n1 == kSignU) return put(0x0909), take(2);
    if (b == kUra && n1 == kSignUU) return put(0x090A), take(2);
    if (b == kAddak && n1 == kSihari && n2 >= 0) return doubled(2), put(kSignI), take(3);
    if (b == kAddak && n1 >= 0) return doubled(1), take(2);
    if (b == kIri && n1 == kSignII) return put(0x0908), take(2);
    if (b == kIri && n1 == kSignEE) return put(0x090F), take(2);
    if (b == kSihari && n1 == kIri) return put(0x0907), take(2);
    if (b == kSihari && n1 >= 0) {
      glyph(1);
      if (sub(2)) return glyph(2), put(kSignI), take(3);
      return put(kSignI), take(2);
    }
    if (b == kDanda && n1 == kDanda) return put(0x0965), take(2);
    if (b == kLetterA && n1 == kSignAA) return put(0x0906), take(2);
    if (b == kLetterA && n1 == kSignAI) return put(0x0910), take(2);
    if (b == kLetterA && n1 == kSignAU) return put(0x0914), take(2);
    glyph(0);
    take(1);
  }

  BytesView t_;
  std::u16string& out_;
  std::size_t i_ = 0;
};

}  // namespace

void GurToHindiUnicode(BytesView pivot, std::u16string& out) {
  Bytes t(pivot);
  prepare_for_export_in_place(t);
  for (char& c : t)
    if (static_cast<std::uint8_t>(c) == kTippi) c = static_cast<char>(kBindi);
  DevanagariWriter(t, out).run();
}

std::u16string GurToHindiUnicode(BytesView pivot) {
  std::u16string out;
  out.reserve(pivot.size() + pivot.size() / 2);
  GurToHindiUnicode(pivot, out);
  return out;
}

}  // namespace quilm

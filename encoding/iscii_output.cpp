// GurToISCII: the export preparation, then a list of rules read left to
// right, first match wins; a byte no rule names goes through the table of
// encoding/tables/iscii.txt (copied when the table lacks it).
#include <array>

#include "encoding/export_preparation.h"
#include "encoding/iscii.h"
#include "encoding/pivot.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

#include "encoding/iscii_tables.inc"

using namespace pivot;

constexpr char kHalant = '\xE8', kSignI = '\xDB';
constexpr std::uint8_t kYakash = 0xF3, kYakash2 = 0xE9, kVirama = 0xE4;

// The ISCII consonant that a subjoined glyph draws below its consonant.
char subjoined_consonant(std::uint8_t b) {
  switch (b) {
    case 0x50: return '\xD4';  // VA
    case 0x51: return '\xD8';  // HA
    case 0x71: return '\xCF';  // RA
    case 0xE8: return '\xB8';  // CA
    case 0xEA: return '\xCD';  // YA
    case 0xEC: return '\xC2';  // TA
    case 0xED: return '\xC6';  // NA
    case 0xEE: return '\xBD';  // TTA
    default: return 0;
  }
}

// Letters with nukta, written as the plain letter and the nukta sign.
BytesView nukta_pair(std::uint8_t b) {
  switch (b) {
    case 0xE6: return "\xD1\xE9";  // LLA
    case 0x5D: return "\xB4\xE9";  // KHHA
    case 0x7D: return "\xBA\xE9";  // ZA
    case 0x5C: return "\xC9\xE9";  // FA
    case 0x7C: return "\xB5\xE9";  // GHHA
    case 0x56: return "\xBF\xE9";  // RRA
    default: return {};
  }
}

class IsciiWriter {
 public:
  IsciiWriter(BytesView t, Bytes& out) : t_(t), out_(out) {}
  void run() {
    while (i_ < t_.size()) step();
  }

 private:
  int at(std::size_t k) const { return i_ + k < t_.size() ? byte_at(t_, i_ + k) : -1; }
  std::uint8_t b(std::size_t k) const { return byte_at(t_, i_ + k); }
  bool sub(std::size_t k) const { return at(k) >= 0 && subjoined_consonant(b(k)) != 0; }
  bool nukta_letter(std::size_t k) const { return at(k) >= 0 && !nukta_pair(b(k)).empty(); }
  void put(BytesView s) { out_.append(s); }
  void put(char c) { out_.push_back(c); }
  void letter(std::size_t k) { put_table(b(k)); }
  void halant_below(std::size_t k) { put(kHalant), put(subjoined_consonant(b(k))); }
  void doubled(std::size_t k) { letter(k), put(kHalant), letter(k); }
  void take(std::size_t n) { i_ += n; }

  void put_table(std::uint8_t x) {
    const BytesView mapped = kGurToIscii[x];
    if (!mapped.empty()) return put(mapped);
    if (const char c = subjoined_consonant(x)) return put(kHalant), put(c);
    if (!nukta_pair(x).empty()) return put(nukta_pair(x));
    switch (x) {
      case kYakash: case kYakash2: return put("\xE8\xCD");  // a subjoined YA
      case kVirama: return put(kHalant);
      case 0xEB: return put("\xE8\xD8\xDE");  // subjoined HA with UU
      case 0xEF: return put('\xCD');          // YA
      case 0xE5: return put('\x40');          // ek onkar, as 0xBB
      default: break;
    }
    // Punctuation of the pivot's high bytes as its ASCII character; a glyph
    // that ISCII cannot write (udaat, khanda, unknown glyphs) as '?'.
    const std::u32string_view u = unicode(x);
    put(u.size() == 1 && u[0] < 0x80 ? static_cast<char>(u[0]) : '\x3F');
  }

  void step() {
    const int x = at(0), n1 = at(1), n2 = at(2);
    if (x == 0x62 && n1 == kNukta) return lla_rules();
    if (x == 0x62 && n1 == kSignEE && n2 == kNukta) return put("\xD1\xE9\xE1"), take(3);
    if (x == 0x62 && n1 == kAddak && n2 == kNukta && at(3) >= 0) return lla_addak();
    if (x == 0x62 && n1 == kSignOO && n2 == kNukta) return put("\xD1\xE9\xE5"), take(3);
    if (nukta_letter(0) && x != 0x56) return put(nukta_pair(b(0))), take(1);
    if (x == kUra && n1 == kSignU && n2 == kAddak && at(3) == kSihari && at(4) >= 0)
      return put('\xA8'), doubled(4), put(kSignI), take(5);
    if (x == kUra && n1 == kSignU) return put('\xA8'), take(2);
    if (x == kUra && n1 == kSignUU) return put('\xA9'), take(2);
    if (x == kAddak) return addak_rules();
    if (x == kIri && sub(1) && n2 == kSignII) return put('\xA7'), halant_below(1), take(3);
    if (x == kIri && n1 == kSignII) return put('\xA7'), take(2);
    if (x == kIri && n1 == kSignEE) return put('\xAC'), take(2);
    if (x == 0x56 && sub(1) && n2 == kSignII) return put("\xBF\xE9"), halant_below(1), put('\xDC'), take(3);
    if (x == kSihari && n1 == 0x56 && sub(2)) return put("\xBF\xE9"), halant_below(2), put(kSignI), take(3);
    if (x == 0x56 && sub(1)) return put("\xBF\xE9"), halant_below(1), take(2);
    if (x == 0x56) return put("\xBF\xE9"), take(1);
    if (x == kSihari && n1 == kIri) return put('\xA6'), take(2);
    if (x == kSihari && n1 == 0x56) return put("\xBF\xE9\xDB"), take(2);
    if (x == kLetterA && n1 == kSignAA && (n2 == kBindi || n2 == kBindi2 || n2 == kBindi3))
      return put("\xA5\xA2"), take(3);
    if (x == kLetterA && n1 == kSignAA) return put('\xA5'), take(2);
    if (x == kLetterA && n1 == kSignAI) return put('\xAD'), take(2);
    if (x == kLetterA && n1 == kSignAU) return put('\xB1'), take(2);
    if (const BytesView s = ligature(static_cast<std::uint8_t>(x)); !s.empty()) return put(s), take(1);
    if (x == kSihari && n1 >= 0) return sihari_rules();
    letter(0);
    take(1);
  }

  static BytesView ligature(std::uint8_t x) {
    switch (x) {
      case 0x9C: return "\xC6\xDA\xA2";
      case 0xA5: return "\xD8\xE2";
      case 0xA7: return "\xB3\xE1";
      case 0xAA: return "\xCF\xDE";
      case 0xA8: return "\xD5\xE8\xCF";
      case 0xA9: return "\xA2\xE8\xCF";
      case 0xB6: return "\xE5\xE8\xD8";
      case 0xC6: return "\xE2\xE8\xD8";
      case 0xD5: return "\xA2\xDE";
      case 0x99: case 0xB4: return "\x27";
      case 0xBF: return "\x22";
      default: return {};
    }
  }

  void lla_rules() {
    put("\xD1\xE9");
    if (sub(2)) return halant_below(2), take(3);
    take(2);
  }

  void lla_addak() {
    put("\xD1\xE9");
    if (at(3) == kSihari && at(4) >= 0) return doubled(4), put(kSignI), take(5);
    doubled(3);
    take(4);
  }

  void addak_rules() {
    const int n1 = at(1), n2 = at(2), n3 = at(3);
    if (n1 == kIri && n2 == kSignII) return put("\xA7\xE8\xA7"), take(3);
    if (n1 == kIri && n2 == kSubjoinedHA && n3 == kSignII) return put("\xA7\xE8\xA7"), take(4);
    if (n1 == kIri && n2 == kSignEE) return put("\xAC\xE8\xAC"), take(3);
    if (n1 == kSihari && n2 == kIri) return put("\xA6\xE8\xA6"), take(3);
    if (n1 == kUra && n2 == kSignU) return put("\xA8\xE8\xA8"), take(3);
    if (n1 == kUra && n2 == kSignUU) return put("\xA9\xE8\xA9"), take(3);
    if (n1 == kUra) return take(1);  // URA with another sign: the addak is dropped
    if (n1 == kSihari && n2 >= 0 && sub(3)) return doubled(2), halant_below(3), put(kSignI), take(4);
    if (n1 == kSihari && n2 >= 0) return doubled(2), put(kSignI), take(3);
    if (nukta_letter(1)) return put(nukta_pair(b(1))), put(kHalant), put(nukta_pair(b(1))), take(2);
    if (sub(1)) {
      const char v = subjoined_consonant(b(1));
      return put(kHalant), put(v), put(kHalant), put(kHalant), put(v), take(2);
    }
    if (n1 >= 0) return doubled(1), take(2);
    letter(0);
    take(1);
  }

  void sihari_rules() {
    const int n1 = at(1);
    if (sub(2)) return letter(1), halant_below(2), put(kSignI), take(3);
    if (nukta_letter(1)) return put(nukta_pair(b(1))), put(kSignI), take(2);
    if (n1 == 0x62 && at(2) == kNukta) return put("\xD1\xE9\xDB"), take(3);
    if (at(2) == kAddak && at(3) == 0x56) return letter(1), put(kSignI), put("\xE8\xBF\xE9"), take(4);
    letter(1);
    put(kSignI);
    take(2);
  }

  BytesView t_;
  Bytes& out_;
  std::size_t i_ = 0;
};

}  // namespace

Bytes GurToISCII(BytesView pivot) {
  Bytes t(pivot);
  prepare_for_export_in_place(t);
  Bytes out;
  out.reserve(t.size() * 2);
  IsciiWriter(t, out).run();
  return out;
}

}  // namespace quilm

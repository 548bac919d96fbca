// ISCIItoGur. The letters that ISCII spells with more than one byte are first
// replaced by internal marks (0x8C..0x9C, bytes that ISCII leaves unused), the
// sihari is moved before its consonant, and then every byte is read through
// the table of encoding/tables/iscii.txt.
#include <array>

#include "encoding/iscii.h"

namespace quilm {
namespace {

#include "encoding/iscii_tables.inc"

constexpr std::uint8_t kHalant = 0xE8, kNukta = 0xE9, kSignI = 0xDB, kDanda = 0xEA;
constexpr char kPivotQuestionMark = '\x3C';  // 0x3F is the vowel sign AI there
constexpr std::uint8_t kAddakMark = 0x95, kRraMark = 0x96, kViramaMark = 0x9C;

// Consonant and nukta -> the mark of the letter with nukta.
std::uint8_t nukta_mark(std::uint8_t consonant) {
  switch (consonant) {
    case 0xB4: return 0x8C;  // KHA -> KHHA
    case 0xB5: return 0x8D;  // GA -> GHHA
    case 0xBA: return 0x8E;  // JA -> ZA
    case 0xC9: return 0x8F;  // PHA -> FA
    case 0xD1: return 0x90;  // LA -> LLA
    case 0xD7: return 0x91;  // SA -> SHA
    case 0xBF: return kRraMark;  // DDA -> RRA
    default: return 0;
  }
}

// Halant and consonant -> the mark of the subjoined glyph that draws it.
std::uint8_t subjoined_mark(std::uint8_t consonant) {
  switch (consonant) {
    case 0xCF: return 0x92;  // RA
    case 0xD4: return 0x93;  // VA
    case 0xD8: return 0x94;  // HA
    case 0xB8: return 0x97;  // CA
    case 0xCD: return 0x98;  // YA
    case 0xC2: return 0x99;  // TA
    case 0xC6: return 0x9A;  // NA
    case 0xBD: return 0x9B;  // TTA
    default: return 0;
  }
}

std::uint8_t consonant_of_subjoined_mark(std::uint8_t mark) {
  for (int c = 0xB3; c <= 0xD8; ++c)
    if (subjoined_mark(static_cast<std::uint8_t>(c)) == mark && mark != 0) return static_cast<std::uint8_t>(c);
  return 0;
}

// A consonant, or the mark of a letter with nukta: the letters that addak
// doubles.
bool is_letter(std::uint8_t b) { return (b >= 0xB3 && b <= 0xD8) || (b >= 0x8C && b <= 0x91) || b == kRraMark; }

// Steps 1 to 3: nukta letters, subjoined letters, RRA.
Bytes mark_letters(BytesView in) {
  Bytes out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    const std::uint8_t b = byte_at(in, i);
    const int next = i + 1 < in.size() ? byte_at(in, i + 1) : -1;
    if (next == kNukta && nukta_mark(b)) {
      out.push_back(static_cast<char>(nukta_mark(b)));
      ++i;
    } else if (b == kHalant && next >= 0 && subjoined_mark(static_cast<std::uint8_t>(next)) &&
               !(i > 0 && byte_at(in, i - 1) == next)) {
      out.push_back(static_cast<char>(subjoined_mark(static_cast<std::uint8_t>(next))));
      ++i;
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return out;
}

// Steps 4 and 5: a consonant doubled with the halant becomes addak and the
// consonant; a halant between two different consonants stays as a VIRAMA,
// so that neither letter is lost.
Bytes mark_halants(BytesView in) {
  Bytes out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    const std::uint8_t b = byte_at(in, i);
    const int next = i + 1 < in.size() ? byte_at(in, i + 1) : -1;
    if (is_letter(b) && next == kHalant && i + 2 < in.size() && byte_at(in, i + 2) == b) {
      out.push_back(static_cast<char>(kAddakMark));
      out.push_back(static_cast<char>(b));
      i += 2;
    } else if (b == kHalant) {
      out.push_back(static_cast<char>(kViramaMark));
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return out;
}

bool is_subjoined_mark(std::uint8_t b) { return consonant_of_subjoined_mark(b) != 0; }

// Step 6: sihari before its consonant, before a consonant and its subjoined
// letter, before a consonant, VIRAMA, consonant cluster.
void sihari_before_consonant(Bytes& t) {
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (byte_at(t, i) != kSignI) continue;
    std::size_t to = i - 1;
    if (is_subjoined_mark(byte_at(t, to)) && to >= 1) --to;
    if (to >= 2 && byte_at(t, to - 1) == kViramaMark) to -= 2;
    t.erase(i, 1);
    t.insert(to, 1, static_cast<char>(kSignI));
  }
}

BytesView independent_vowel(std::uint8_t b) {
  switch (b) {
    case 0xA5: return "\x6E\x6B";
    case 0xA6: return "\x66\x4A";
    case 0xA7: return "\x4A\x68";
    case 0xA8: return "\x54\x5B";
    case 0xA9: return "\x54\x7B";
    case 0xAC: return "\x4A\x2F";
    case 0xAD: return "\x6E\x3F";
    case 0xB1: return "\x6E\x22";
    default: return {};
  }
}

// Undefined bytes become '?' before anything else, so that none of them is
// taken for one of the internal marks (0x8C..0x9C).
Bytes without_undefined_bytes(BytesView iscii) {
  Bytes out(iscii);
  for (char& c : out)
    if (!iscii_defines(static_cast<std::uint8_t>(c))) c = '?';
  return out;
}

}  // namespace

bool iscii_defines(std::uint8_t byte) {
  return !((byte >= 0x80 && byte <= 0xA0) || (byte >= 0xEB && byte <= 0xEE) || byte >= 0xFB);
}

std::size_t undefined_iscii_bytes(BytesView iscii) {
  std::size_t count = 0;
  for (const char c : iscii) count += iscii_defines(static_cast<std::uint8_t>(c)) ? 0 : 1;
  return count;
}

Bytes ISCIItoGur(BytesView iscii) {
  Bytes t = mark_halants(mark_letters(without_undefined_bytes(iscii)));
  sihari_before_consonant(t);
  Bytes out;
  out.reserve(t.size() + t.size() / 4);
  for (std::size_t i = 0; i < t.size(); ++i) {
    const std::uint8_t b = byte_at(t, i);
    if (b == kDanda && i + 1 < t.size() && byte_at(t, i + 1) == kDanda) {
      out.push_back('\xBD');  // two dandas: the double danda
      ++i;
    } else if (b == '?') {
      out.push_back(kPivotQuestionMark);
    } else if (const BytesView vowel = independent_vowel(b); !vowel.empty()) {
      out.append(vowel);
    } else if (const BytesView mapped = kIsciiToGur[b]; !mapped.empty()) {
      out.append(mapped);
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return out;
}

}  // namespace quilm

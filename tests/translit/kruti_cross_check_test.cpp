// The Kruti Dev writer against an independent route, on held-out words
// (fixtures/kruti_words.txt): Gurmukhi Unicode into Devanagari Unicode by
// the offset of the two blocks (addak doubling the next letter, as Hindi
// spells it, with the unaspirated letter before an aspirate: ਅੱਖ अक्ख), and
// that Devanagari into Kruti Dev through the reference reading of
// fixtures/kruti_reference.txt. Every word on which the two differ is
// listed; differences the writer keeps on purpose are named in the
// reference file's @differs section with their reason.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/hex.h"
#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "translit/devanagari_fonts.h"

namespace quilm {
namespace {

constexpr char16_t kVirama = u'\u094D', kNukta = u'\u093C', kSignI = u'\u093F';

std::string fixture(const std::string& name) {
  std::ifstream in(std::string(QUILM_SOURCE_DIR) + "/tests/translit/fixtures/" + name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::u16string utf16(std::string_view utf8) { return from_utf8(utf8).value_or(u""); }

// Letters with a nukta as the letter and the nukta.
std::u16string decomposed(std::u16string_view text) {
  static const std::map<char16_t, char16_t> kBase = {{u'\u0958', u'\u0915'}, {u'\u0959', u'\u0916'},
                                                     {u'\u095A', u'\u0917'}, {u'\u095B', u'\u091C'},
                                                     {u'\u095C', u'\u0921'}, {u'\u095D', u'\u0922'},
                                                     {u'\u095E', u'\u092B'}, {u'\u095F', u'\u092F'}};
  std::u16string out;
  for (char16_t c : text) {
    if (const auto base = kBase.find(c); base != kBase.end()) {
      out += base->second;
      out += kNukta;
    } else {
      out += c;
    }
  }
  return out;
}

bool is_consonant(char16_t c) { return c >= u'\u0915' && c <= u'\u0939'; }

char16_t unaspirated(char16_t c) {
  static const std::map<char16_t, char16_t> kPartner = {
      {u'\u0916', u'\u0915'}, {u'\u0918', u'\u0917'}, {u'\u091B', u'\u091A'}, {u'\u091D', u'\u091C'},
      {u'\u0920', u'\u091F'}, {u'\u0922', u'\u0921'}, {u'\u0925', u'\u0924'}, {u'\u0927', u'\u0926'},
      {u'\u092B', u'\u092A'}, {u'\u092D', u'\u092C'}};
  const auto p = kPartner.find(c);
  return p == kPartner.end() ? c : p->second;
}

// Gurmukhi into Devanagari by the offset of the blocks; tippi and bindi are
// the anusvara, addak doubles the letter after it. SHA and LLA are SA and LA
// with a nukta in Gurmukhi (their decomposed form), letters of their own in
// Devanagari.
std::u16string devanagari_of(std::u16string_view gurmukhi) {
  std::u16string shifted;
  for (std::size_t i = 0; i < gurmukhi.size(); ++i) {
    const char16_t c = gurmukhi[i];
    const bool nukta_next = i + 1 < gurmukhi.size() && gurmukhi[i + 1] == u'\u0A3C';
    if ((c == u'\u0A38' || c == u'\u0A32') && nukta_next) {
      shifted += c == u'\u0A38' ? u'\u0936' : u'\u0933';
      ++i;
    } else if (c == u'\u0A70' || c == u'\u0A02') {
      shifted += u'\u0902';
    } else if (c >= u'\u0A00' && c <= u'\u0A7F') {
      shifted += static_cast<char16_t>(c - 0x100);
    } else {
      shifted += c;
    }
  }
  shifted = decomposed(shifted);
  std::u16string out;
  for (std::size_t i = 0; i < shifted.size(); ++i) {
    if (shifted[i] == u'\u0971' && i + 1 < shifted.size() && is_consonant(shifted[i + 1])) {
      out += unaspirated(shifted[i + 1]);
      out += kVirama;
    } else {
      out += shifted[i];
    }
  }
  return out;
}

// The vowel sign I before the consonant cluster it follows.
std::u16string in_drawing_order(std::u16string text) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] != kSignI) continue;
    std::size_t start = i - 1;
    if (text[start] == kNukta && start > 0) --start;
    while (start >= 2 && text[start - 1] == kVirama && is_consonant(text[start - 2])) start -= 2;
    text.erase(i, 1);
    text.insert(start, 1, kSignI);
  }
  return text;
}

struct Reference {
  std::map<std::u16string, Bytes> units;
  std::size_t longest = 0;
  std::vector<std::pair<Bytes, Bytes>> same;  // (kept spelling, the spelling brought to it)
  std::map<std::u16string, std::string> differs;  // word, the reason

  Bytes kruti_of(std::u16string_view devanagari) const {
    const std::u16string text = in_drawing_order(std::u16string(devanagari));
    Bytes out;
    for (std::size_t i = 0; i < text.size();) {
      // A consonant with a subjoined RA: the conjunct's own glyph, or the
      // consonant and the RA under it (not the half form and RA).
      if (is_consonant(text[i]) && text.substr(i + 1, 2) == u"\u094D\u0930" && !units.contains(text.substr(i, 3)) &&
          units.contains(text.substr(i, 1))) {
        out += units.at(text.substr(i, 1)) + units.at(text.substr(i + 1, 2));
        i += 3;
        continue;
      }
      std::size_t n = std::min(longest, text.size() - i);
      for (; n > 0; --n) {
        if (const auto u = units.find(text.substr(i, n)); u != units.end()) {
          out += u->second;
          break;
        }
      }
      if (n == 0) return "(no unit for U+" + std::to_string(text[i]) + ")";
      i += n;
    }
    return out;
  }

  Bytes normalised(Bytes kruti) const {
    for (const auto& [kept, other] : same)
      for (std::size_t at; (at = kruti.find(other)) != Bytes::npos;) kruti.replace(at, other.size(), kept);
    return kruti;
  }
};

Reference read_reference() {
  Reference r;
  std::istringstream in(fixture("kruti_reference.txt"));
  std::string section;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '@') {
      section = line;
      continue;
    }
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const std::string left = line.substr(0, tab), right = line.substr(tab + 1);
    if (section == "@units") {
      const std::u16string unit = decomposed(utf16(left));
      r.units[unit] = hex::parse_bytes(right).value_or("?");
      r.longest = std::max(r.longest, unit.size());
    } else if (section == "@same") {
      r.same.emplace_back(hex::parse_bytes(left).value_or("?"), hex::parse_bytes(right).value_or("?"));
    } else if (section == "@differs") {
      r.differs[utf16(left)] = right;
    }
  }
  return r;
}

std::vector<std::u16string> held_out_words() {
  std::vector<std::u16string> words;
  std::istringstream in(fixture("kruti_words.txt"));
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') words.push_back(utf16(line));
  return words;
}

TEST(KrutiCrossCheck, TheWriterAgreesWithAnIndependentRouteOnHeldOutWords) {
  const Reference reference = read_reference();
  const std::vector<std::u16string> words = held_out_words();
  ASSERT_FALSE(reference.units.empty());
  ASSERT_GE(words.size(), 50u);
  ConversionContext context;
  const FontConverter converter(context);
  std::string report;
  for (const std::u16string& word : words) {
    const Bytes writer =
        reference.normalised(pivot_to_devanagari_font(UniCodetoGur(word), DevanagariFont::KrutiDev, converter));
    const Bytes independent = reference.normalised(reference.kruti_of(devanagari_of(word)));
    const bool agree = writer == independent;
    const auto known = reference.differs.find(word);
    const std::string line = to_utf8(word) + "  " + to_utf8(devanagari_of(word)) + ": writer " +
                             hex::format_bytes(writer) + ", reference " + hex::format_bytes(independent);
    if (!agree) report += line + (known == reference.differs.end() ? "\n" : "  (kept: " + known->second + ")\n");
    SCOPED_TRACE(line);
    EXPECT_EQ(agree, known == reference.differs.end()) << (agree ? "agrees now: take it off @differs" : "differs");
  }
  std::printf("Kruti Dev writer against the independent route, %zu words:\n%s", words.size(),
              report.empty() ? "no differences\n" : report.c_str());
}

}  // namespace
}  // namespace quilm

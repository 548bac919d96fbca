// The generated display fonts, as the program loads them: a glyph for every
// byte that an encoding's reader reads as a Gurmukhi letter or sign, signs
// that sit on the glyph before them, the families the registry knows, and
// substitution that leaves an installed font alone.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "fonts/display/display_font_list.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/display/glyph_map.h"
#include "fonts/display/substitution_plan.h"
#include "fonts/font_index.h"
#include "fonts/registry.h"
#include "fonts/ui/display_fonts.h"
#include "fonts/ui/text_image.h"

namespace quilm::display {
namespace {

using pivot::Role;

std::vector<DisplayFont> generated_fonts() {
  QFile file(QDir(ui::display_fonts_folder()).filePath(QString::fromUtf8(kDisplayFontList)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray text = file.readAll();
  return parse_display_font_list(std::string_view(text.constData(), text.size()));
}

// The fonts that draw a Gurmukhi encoding (not the Devanagari stand-ins).
std::vector<DisplayFont> gurmukhi_fonts() {
  std::vector<DisplayFont> out;
  for (DisplayFont& f : generated_fonts())
    if (f.draws_for.empty()) out.push_back(std::move(f));
  return out;
}

QRawFont raw_font(const DisplayFont& f) {
  return QRawFont(QDir(ui::display_fonts_folder()).filePath(QString::fromStdString(f.file)), 24);
}

std::string label(const DisplayFont& f, std::uint8_t byte) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", byte);
  return f.family + " byte " + buf;
}

// Controls, bytes without meaning and bytes the reader drops.
bool draws_nothing(const ByteReading& r) {
  for (Role role : r.roles)
    if (role != Role::Control && role != Role::NoMeaning) return false;
  return true;
}

// How a one-byte glyph of the pivot encoding is placed, as legacy fonts place it.
enum class Placement { spacing, on_glyph_before, any };

Placement placement_of(const ByteReading& r) {
  if (r.meaning.size() != 1) return Placement::any;
  switch (r.roles[0]) {
    case Role::Consonant:
    case Role::NuktaConsonant:
    case Role::VowelCarrier:
    case Role::IndependentVowel:
      return Placement::spacing;
    case Role::VowelSign: {
      const auto b = static_cast<std::uint8_t>(r.meaning[0]);
      // sihari before its consonant, kanna (both glyphs) and bihari after it
      return (b == 0x66 || b == 0x6B || b == 0x3E || b == 0x68) ? Placement::spacing : Placement::on_glyph_before;
    }
    case Role::NasalSign:
    case Role::GeminationSign:
    case Role::Nukta:
      return Placement::on_glyph_before;
    case Role::SubjoinedLetter: {
      // VA, HA and RA below; a further one (YA) may follow as a spacing half form
      const auto b = static_cast<std::uint8_t>(r.meaning[0]);
      return (b == 0x50 || b == 0x51 || b == 0x71) ? Placement::on_glyph_before : Placement::any;
    }
    default:
      return Placement::any;
  }
}

TEST(DisplayFonts, TheFontsAreGenerated) {
  ASSERT_FALSE(ui::display_fonts_folder().isEmpty());
  const FontRegistry registry;
  std::set<int> with_font;
  for (const DisplayFont& f : generated_fonts()) with_font.insert(f.font_index);
  for (int index : displayed_encodings(registry)) EXPECT_TRUE(with_font.contains(index)) << "font index " << index;
}

// The bytes of the letters an encoding draws in two glyphs: two bytes read
// together that mean nothing alone.
std::set<std::uint8_t> halves_of_letters(int font_index, const std::vector<ByteReading>& bytes) {
  std::set<std::uint8_t> out;
  for (const PairReading& p : pair_map(font_index)) {
    const auto first = static_cast<std::uint8_t>(p.bytes[0]), second = static_cast<std::uint8_t>(p.bytes[1]);
    if (draws_nothing(bytes[first]) && draws_nothing(bytes[second]) && !draws_nothing(p.reading))
      out.insert({first, second});
  }
  return out;
}

TEST(DisplayFonts, EveryGurmukhiByteHasAGlyph) {
  for (const DisplayFont& f : gurmukhi_fonts()) {
    const QRawFont raw = raw_font(f);
    ASSERT_TRUE(raw.isValid()) << f.file;
    const std::vector<ByteReading> bytes = glyph_map(f.font_index);
    const std::set<std::uint8_t> halves = halves_of_letters(f.font_index, bytes);
    for (std::uint8_t b : halves) {
      SCOPED_TRACE(label(f, b) + ", half of a letter in two glyphs");
      EXPECT_TRUE(raw.supportsCharacter(QChar(b)));
    }
    for (const ByteReading& r : bytes) {
      if (halves.contains(r.byte)) continue;
      SCOPED_TRACE(label(f, r.byte));
      const bool has_glyph = raw.supportsCharacter(QChar(r.byte));
      if (r.draws_gurmukhi()) {
        EXPECT_TRUE(has_glyph);
      } else if (draws_nothing(r) && !QChar(r.byte).isSpace()) {  // Qt draws tab and no-break space as a space
        EXPECT_FALSE(has_glyph) << "left to the fallback font, not drawn blank";
      }
    }
  }
}

TEST(DisplayFonts, SignsSitOnTheGlyphBeforeThem) {
  for (const DisplayFont& f : gurmukhi_fonts()) {
    const QRawFont raw = raw_font(f);
    for (const ByteReading& r : glyph_map(f.font_index)) {
      const Placement placement = placement_of(r);
      if (placement == Placement::any || !raw.supportsCharacter(QChar(r.byte))) continue;
      SCOPED_TRACE(label(f, r.byte));
      const QList<quint32> glyph = raw.glyphIndexesForString(QString(QChar(r.byte)));
      const qreal advance = raw.advancesForGlyphIndexes(glyph).at(0).x();
      if (placement == Placement::spacing) {
        EXPECT_GT(advance, 0);
      } else {
        EXPECT_EQ(advance, 0);
      }
    }
  }
}

TEST(DisplayFonts, FamilyNames) {
  const FontRegistry registry;
  for (const DisplayFont& f : generated_fonts()) {
    SCOPED_TRACE(f.family);
    EXPECT_EQ(raw_font(f).familyName().toStdString(), f.family);
    if (f.own_name) {
      EXPECT_EQ(registry.get_font_index(f.family), f.font_index);
    } else {
      EXPECT_FALSE(registry.in_font_table(f.family)) << "a stand-in has a name of the project's own";
      EXPECT_EQ(f.family.find("Lohit"), std::string::npos) << "the source font's reserved name";
      EXPECT_EQ(f.family.find("Noto"), std::string::npos) << "the source font's reserved name";
    }
  }
  EXPECT_TRUE(QFile::exists(QDir(ui::display_fonts_folder()).filePath("LICENSE.txt")));
  EXPECT_TRUE(QFile::exists(QDir(ui::display_fonts_folder()).filePath("LICENSE-Devanagari.txt")));
}

TEST(DisplayFonts, FontNamesAreDrawnByTheirStandIns) {
  struct Case {
    const char* font_name;
    const char* drawn_by;
  };
  const Case cases[] = {
      {"AnmolLipi", "Quilm Legacy anmollipi"},
      {"AnmolUbhri", "Quilm Legacy anmollipi"},
      {"GurmukhiLys 020", "Quilm Legacy pivot"},
      {"GurmukhiLys 020 Bold", "Quilm Legacy pivot"},
      {"Jhelam", "Quilm Legacy jhelum"},
      {"Quilm", "Quilm"},
      {"Quilm2010", "Quilm2010"},
      {"Quilm2010R", "Quilm2010R"},
      {"Morvend_R", "Morvend_R"},
      {"Satluj", "Satluj"},  // installed before the display fonts were loaded (see qt_main.cpp)
      {"Kruti Dev 010", "Quilm Legacy kruti"},
      {"Chanakya", "Quilm Legacy chanakya"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.font_name);
    EXPECT_EQ(ui::drawn_family(c.font_name).toStdString(), c.drawn_by);
  }
  EXPECT_TRUE(QFont::substitutes("Satluj").isEmpty());
}

// Text converted into Unicode is set in Raavi, a Windows font; without it the
// free Unicode Gurmukhi font draws it, installed or from the folder's copy.
TEST(DisplayFonts, TheUnicodeFontIsDrawnWithGurmukhiGlyphs) {
  EXPECT_EQ(ui::drawn_family(QString::fromUtf8(kUnicodeGurmukhiFont)).toStdString(), kUnicodeStandInFamily);
  const QRawFont raavi = QRawFont::fromFont(QFont(QString::fromUtf8(kUnicodeGurmukhiFont), 24));
  ASSERT_TRUE(raavi.isValid());
  EXPECT_TRUE(raavi.supportedWritingSystems().contains(QFontDatabase::Gurmukhi));
  for (char16_t c : std::u16string_view(u"\u0A38\u0A24\u0A3F\u0A67")) {
    EXPECT_TRUE(raavi.supportsCharacter(QChar(c))) << int(c);
  }
  const QRawFont copy(QDir(ui::display_fonts_folder()).filePath(QString::fromUtf8(kUnicodeStandInFile)), 24);
  ASSERT_TRUE(copy.isValid());
  EXPECT_EQ(copy.familyName().toStdString(), kUnicodeStandInFamily);
  EXPECT_TRUE(copy.supportedWritingSystems().contains(QFontDatabase::Gurmukhi));
  // Unicode Gurmukhi in Raavi is drawn, not left blank.
  const QImage text =
      ui::text_image(QString::fromUtf8(kUnicodeGurmukhiFont), QString::fromUtf16(u"\u0A38\u0A24\u0A3F"));
  QImage blank(text.size(), text.format());
  blank.fill(Qt::white);
  EXPECT_NE(text, blank);
}

const DisplayFont* pivot_font(const std::vector<DisplayFont>& fonts) {
  for (const DisplayFont& f : fonts)
    if (f.font_index == font_index::kPivot) return &f;
  return nullptr;
}

// The stems of the encodings whose real fonts draw Gurmukhi numerals at the
// ASCII digit bytes (tools/fontgen/gurmukhi_digits.txt).
std::set<std::string> gurmukhi_digit_stems() {
  std::ifstream in(std::string(QUILM_SOURCE_DIR) + "/tools/fontgen/gurmukhi_digits.txt");
  std::set<std::string> stems;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') stems.insert(line);
  return stems;
}

bool draws_gurmukhi_digits(const DisplayFont& f, const std::set<std::string>& stems) {
  for (const std::string& stem : stems)
    if (f.family == "Quilm Legacy " + stem) return true;
  return false;
}

// A byte that reads as one pivot glyph draws just what that glyph draws in
// the pivot encoding's font: the same outline and the same advance. Only the
// digit bytes of the fonts that draw Gurmukhi numerals there differ: they
// draw a numeral, not the ASCII digit they read as.
TEST(DisplayFonts, ABytesGlyphIsTheGlyphOfItsPivotReading) {
  const std::set<std::string> digit_stems = gurmukhi_digit_stems();
  ASSERT_FALSE(digit_stems.empty());
  const std::vector<DisplayFont> fonts = gurmukhi_fonts();
  const DisplayFont* pivot = pivot_font(fonts);
  ASSERT_NE(pivot, nullptr);
  const QRawFont in_pivot = raw_font(*pivot);
  for (const DisplayFont& f : fonts) {
    const QRawFont raw = raw_font(f);
    const std::vector<ByteReading> bytes = glyph_map(f.font_index);
    const std::set<std::uint8_t> halves = halves_of_letters(f.font_index, bytes);
    for (const ByteReading& r : bytes) {
      if (r.pivot.size() != 1 || r.unicode.empty() || halves.contains(r.byte) || !raw.supportsCharacter(QChar(r.byte)))
        continue;
      SCOPED_TRACE(label(f, r.byte));
      const quint32 glyph = raw.glyphIndexesForString(QString(QChar(r.byte))).at(0);
      const quint32 pivot_glyph =
          in_pivot.glyphIndexesForString(QString(QChar(static_cast<std::uint8_t>(r.pivot[0])))).at(0);
      if (r.byte >= '0' && r.byte <= '9' && draws_gurmukhi_digits(f, digit_stems)) {
        EXPECT_NE(raw.pathForGlyph(glyph), in_pivot.pathForGlyph(pivot_glyph));
        continue;
      }
      EXPECT_EQ(raw.pathForGlyph(glyph), in_pivot.pathForGlyph(pivot_glyph));
      EXPECT_EQ(raw.advancesForGlyphIndexes({glyph}), in_pivot.advancesForGlyphIndexes({pivot_glyph}));
    }
  }
}

TEST(DisplayFonts, LegacyTextIsDrawnInItsStandIn) {
  const std::string anmollipi = "pMjwbI ikqwb";  // ਪੰਜਾਬੀ ਕਿਤਾਬ
  ConversionContext context;
  const std::string pivot = FontConverter(context).to_pivot(anmollipi, 2);
  const QImage legacy = ui::text_image("AnmolLipi", QString::fromLatin1(anmollipi.data(), anmollipi.size()));
  const QImage in_pivot = ui::text_image("GurmukhiLys 020", QString::fromLatin1(pivot.data(), pivot.size()));
  EXPECT_EQ(legacy.size(), in_pivot.size()) << "the same glyph widths";
  QImage blank(legacy.size(), legacy.format());
  blank.fill(Qt::white);
  EXPECT_NE(legacy, blank);
}

// --- The stand-ins of the 8-bit Devanagari fonts ------------------------------

const DisplayFont* stand_in_drawing(const std::vector<DisplayFont>& fonts, const std::string& font_name) {
  for (const DisplayFont& f : fonts)
    if (f.draws_for == font_name) return &f;
  return nullptr;
}

// The rows of a byte table of fonts/display/devanagari: byte and kind.
std::vector<std::pair<std::uint8_t, std::string>> byte_table_rows(const std::string& file) {
  std::ifstream in(std::string(QUILM_SOURCE_DIR) + "/fonts/display/devanagari/" + file);
  std::vector<std::pair<std::uint8_t, std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line[0] == '@') continue;
    std::istringstream fields(line);
    std::string byte, kind;
    fields >> byte >> kind;
    rows.emplace_back(static_cast<std::uint8_t>(std::stoi(byte, nullptr, 16)), kind);
  }
  return rows;
}

qreal advance_of(const QRawFont& raw, std::uint8_t byte) {
  return raw.advancesForGlyphIndexes(raw.glyphIndexesForString(QString(QChar(byte)))).at(0).x();
}

// Each row of a stand-in's byte table has a glyph, spacing for letters and
// half forms, of no width for marks above and below and the joining glyph.
TEST(DevanagariStandIns, EveryRowOfTheByteTableHasAGlyphPlacedAsItsKind) {
  const std::vector<DisplayFont> fonts = generated_fonts();
  for (const auto& [font_name, table] : {std::pair{"Kruti Dev 010", "kruti_dev_010.txt"}, {"Chanakya", "chanakya.txt"}}) {
    SCOPED_TRACE(font_name);
    const DisplayFont* f = stand_in_drawing(fonts, font_name);
    ASSERT_NE(f, nullptr);
    const QRawFont raw = raw_font(*f);
    ASSERT_TRUE(raw.isValid());
    const auto rows = byte_table_rows(table);
    ASSERT_FALSE(rows.empty());
    for (const auto& [byte, kind] : rows) {
      SCOPED_TRACE(label(*f, byte) + " " + kind);
      ASSERT_TRUE(raw.supportsCharacter(QChar(byte)));
      if (kind == "letter" || kind == "half") {
        EXPECT_GT(advance_of(raw, byte), 0);
      } else if (kind != "sign") {  // a vowel sign may be a spacing glyph (AA, I, II)
        EXPECT_EQ(advance_of(raw, byte), 0);
      }
    }
  }
}

// Whatever the Kruti Dev writer makes of Gurmukhi, the stand-in draws: every
// byte it writes for each Gurmukhi letter or sign of the pivot encoding
// alone and for each two of them.
TEST(DevanagariStandIns, EveryByteTheKrutiDevWriterWritesHasAGlyph) {
  const std::vector<DisplayFont> fonts = generated_fonts();
  const DisplayFont* f = stand_in_drawing(fonts, "Kruti Dev 010");
  ASSERT_NE(f, nullptr);
  const QRawFont raw = raw_font(*f);
  ConversionContext context;
  const FontConverter converter(context);
  std::vector<char> gurmukhi{' '};
  for (const ByteReading& r : glyph_map(font_index::kPivot))
    if (r.draws_gurmukhi() && r.meaning.size() == 1) gurmukhi.push_back(r.meaning[0]);
  std::set<std::uint8_t> written;
  for (char first : gurmukhi) {
    for (char second : gurmukhi) {
      const Bytes pivot{first, second};
      for (char b : converter.conversion(pivot, font_index::kPivot, font_index::kDevanagari, true))
        written.insert(static_cast<std::uint8_t>(b));
    }
  }
  ASSERT_FALSE(written.empty());
  for (std::uint8_t b : written) {
    if (QChar(b).category() == QChar::Other_Control) continue;  // draws nothing (UDAAT is kept as 0x7F)
    SCOPED_TRACE(label(*f, b));
    EXPECT_TRUE(raw.supportsCharacter(QChar(b)));
  }
}

// Text in the font names draws in their stand-ins, in glyphs of their own.
TEST(DevanagariStandIns, TextInTheFontNameIsDrawnByTheStandIn) {
  ConversionContext context;
  const FontConverter converter(context);
  const std::string anmollipi = "pMjwbI ikqwb";  // ਪੰਜਾਬੀ ਕਿਤਾਬ
  const Bytes pivot = converter.to_pivot(anmollipi, 2);
  const Bytes kruti = converter.conversion(pivot, font_index::kPivot, font_index::kDevanagari, true);
  const QString text = QString::fromLatin1(kruti.data(), static_cast<int>(kruti.size()));
  const QImage named = ui::text_image("Kruti Dev 010", text);
  EXPECT_EQ(named, ui::text_image("Quilm Legacy kruti", text));
  QImage blank(named.size(), named.format());
  blank.fill(Qt::white);
  EXPECT_NE(named, blank);
}

}  // namespace
}  // namespace quilm::display

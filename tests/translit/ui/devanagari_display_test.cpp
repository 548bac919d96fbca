// What the "Transliterate" dialog writes in Kruti Dev 010 and Chanakya can
// be read without those fonts: their display stand-ins draw every byte that
// the writers make of a Gurmukhi letter or sign, alone or beside another.
#include <QFont>
#include <QImage>
#include <QRawFont>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/display/glyph_map.h"
#include "fonts/font_index.h"
#include "fonts/ui/text_image.h"
#include "translit/devanagari_fonts.h"

namespace quilm {
namespace {

// Every byte the font's writer makes of two Gurmukhi glyphs of the pivot
// encoding (or one and a blank).
std::set<std::uint8_t> bytes_written(DevanagariFont font) {
  std::vector<char> gurmukhi{' '};
  for (const display::ByteReading& r : display::glyph_map(font_index::kPivot))
    if (r.draws_gurmukhi() && r.meaning.size() == 1) gurmukhi.push_back(r.meaning[0]);
  ConversionContext context;
  const FontConverter converter(context);
  std::set<std::uint8_t> written;
  for (char first : gurmukhi)
    for (char second : gurmukhi)
      for (char b : pivot_to_devanagari_font(Bytes{first, second}, font, converter))
        written.insert(static_cast<std::uint8_t>(b));
  return written;
}

TEST(DevanagariDisplay, TheStandInsDrawEveryByteTheWritersWrite) {
  for (DevanagariFont font : {DevanagariFont::KrutiDev, DevanagariFont::Chanakya}) {
    const QString name = QString::fromUtf8(font_name(font).data(), static_cast<int>(font_name(font).size()));
    SCOPED_TRACE(name.toStdString());
    QFont qfont(name);
    qfont.setPixelSize(24);
    const QRawFont raw = QRawFont::fromFont(qfont);
    ASSERT_TRUE(raw.isValid());
    EXPECT_TRUE(raw.familyName().startsWith("Quilm Legacy", Qt::CaseInsensitive)) << raw.familyName().toStdString();
    for (std::uint8_t b : bytes_written(font)) {
      if (QChar(b).category() == QChar::Other_Control) continue;  // draws nothing (UDAAT is kept as 0x7F)
      SCOPED_TRACE(static_cast<int>(b));
      EXPECT_TRUE(raw.supportsCharacter(QChar(b)));
    }
  }
}

TEST(DevanagariDisplay, AWordInEachFontIsDrawn) {
  ConversionContext context;
  const FontConverter converter(context);
  const Bytes pivot = converter.to_pivot("pMjwbI ikqwb", 2);  // ਪੰਜਾਬੀ ਕਿਤਾਬ in AnmolLipi
  for (DevanagariFont font : {DevanagariFont::KrutiDev, DevanagariFont::Chanakya}) {
    const Bytes glyphs = pivot_to_devanagari_font(pivot, font, converter);
    const QImage image = ui::text_image(QString::fromUtf8(font_name(font).data(), static_cast<int>(font_name(font).size())),
                                        QString::fromLatin1(glyphs.data(), static_cast<int>(glyphs.size())));
    QImage blank(image.size(), image.format());
    blank.fill(Qt::white);
    EXPECT_NE(image, blank);
  }
}

}  // namespace
}  // namespace quilm

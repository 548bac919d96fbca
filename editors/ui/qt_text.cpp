#include "editors/ui/qt_text.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStringList>

namespace quilm {
namespace {

// Text pasted from HTML or older documents may name its font in the old
// single-family property only.
std::string family_of(const QTextCharFormat& format) {
  const QStringList families = format.fontFamilies().toStringList();
  const QString family = families.isEmpty() ? format.stringProperty(QTextFormat::FontFamily) : families.first();
  return family.toStdString();
}

Color color_of(const QBrush& brush, Color unset) {
  return brush.style() == Qt::NoBrush ? unset : static_cast<Color>(brush.color().rgb() & 0xFFFFFF);
}

QColor qt_color(Color c) { return QColor::fromRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

}  // namespace

std::u16string to_u16(const QString& s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

QString to_qstring(std::u16string_view s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

// A character without a size of its own is drawn in the document's default
// font, which the Qt editor sets to the default size of a CharFormat.
CharFormat to_char_format(const QTextCharFormat& format) {
  CharFormat c;
  c.font_name = family_of(format);
  if (format.hasProperty(QTextFormat::FontPointSize)) c.font_size = qRound(format.fontPointSize());
  c.bold = format.fontWeight() >= QFont::DemiBold;
  c.italic = format.fontItalic();
  c.underline = format.fontUnderline();
  c.strikethru = format.fontStrikeOut();
  c.fore_color = color_of(format.foreground(), kBlack);
  c.back_color = color_of(format.background(), kWhite);
  return c;
}

QTextCharFormat to_qt_format(const CharFormat& format) {
  return to_qt_change({format.font_name, format.font_size, format.bold, format.italic, format.underline,
                       format.strikethru, format.fore_color, format.back_color});
}

QTextCharFormat to_qt_change(const FormatChange& change) {
  QTextCharFormat f;
  if (change.font_name) f.setFontFamilies({QString::fromStdString(*change.font_name)});
  if (change.font_size) f.setFontPointSize(*change.font_size);
  if (change.bold) f.setFontWeight(*change.bold ? QFont::Bold : QFont::Normal);
  if (change.italic) f.setFontItalic(*change.italic);
  if (change.underline) f.setFontUnderline(*change.underline);
  if (change.strikethru) f.setFontStrikeOut(*change.strikethru);
  if (change.fore_color) f.setForeground(qt_color(*change.fore_color));
  if (change.back_color) f.setBackground(qt_color(*change.back_color));
  return f;
}

Alignment to_alignment(Qt::Alignment alignment) {
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignJustify) return Alignment::Justify;
  if (horizontal & Qt::AlignHCenter) return Alignment::Center;
  if (horizontal & (Qt::AlignRight | Qt::AlignTrailing)) return Alignment::Right;
  return Alignment::Left;
}

Qt::Alignment to_qt_alignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Justify: return Qt::AlignJustify;
    case Alignment::Left: break;
  }
  return Qt::AlignLeft;
}

}  // namespace quilm

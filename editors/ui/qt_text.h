// Conversions between the editor's values and Qt's: strings, character
// formats, alignments. A character format is carried whole into Qt; a format
// change carries only the attributes it names, so merging it into mixed text
// leaves every other attribute of each character alone.
#pragma once

#include <QString>
#include <QTextCharFormat>
#include <string_view>

#include "editor/editor.h"

namespace quilm {

std::u16string to_u16(const QString& s);
QString to_qstring(std::u16string_view s);

CharFormat to_char_format(const QTextCharFormat& format);
QTextCharFormat to_qt_format(const CharFormat& format);
QTextCharFormat to_qt_change(const FormatChange& change);

Alignment to_alignment(Qt::Alignment alignment);
Qt::Alignment to_qt_alignment(Alignment alignment);

}  // namespace quilm

// Draws a line of text in a named font onto an image, with the same font
// matching (and so the same display-font substitution) as the editor.
#pragma once

#include <QImage>
#include <QString>

namespace quilm::ui {

// `text` holds legacy bytes as the editor keeps them (the character whose
// code is the byte) or Unicode text. The image is white with black text, a
// margin around it, and as wide as the text needs.
QImage text_image(const QString& font_name, const QString& text, int point_size = 28);

// The family Qt really draws `font_name` with, after substitution.
QString drawn_family(const QString& font_name);

}  // namespace quilm::ui

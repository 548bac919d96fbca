// Loads the display fonts into the running program and sends each Gurmukhi
// font name that no installed font has to its encoding's stand-in, through
// Qt's font substitution. Call once after the QGuiApplication exists and
// before any text is shown; the editor, the render tool and the window tests
// all see Gurmukhi the same way then.
#pragma once

#include <QString>
#include <QStringList>

namespace quilm::ui {

struct DisplayFontsReport {
  QString folder;           // where the fonts were found; empty when nowhere
  int loaded = 0;           // fonts added to the application
  int substituted = 0;      // font names sent to a stand-in
  QStringList problems;     // fonts that could not be loaded, bad list lines
};

// The folder of the display fonts: "fonts" beside the executable when it holds
// the font list, else the build tree's fonts folder; empty when neither does.
QString display_fonts_folder();

// Loads the fonts of `folder` (display_fonts_folder() when empty).
DisplayFontsReport load_display_fonts(const QString& folder = {});

}  // namespace quilm::ui

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

// The folders where the display fonts may be, in the order they are tried:
// "fonts" beside the program, the installed share/quilm/fonts, the fonts
// folder of a build tree the program sits in (wherever it was moved), and
// the folder this build wrote them to.
QStringList display_fonts_candidates();

// The first of those that holds the font list; empty when none does.
QString display_fonts_folder();

// Loads the fonts of `folder` (display_fonts_folder() when empty).
DisplayFontsReport load_display_fonts(const QString& folder = {});

}  // namespace quilm::ui

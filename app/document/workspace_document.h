// What the document routines of the encodings and the font conversion need
// of the workspace: its fonts and the default fonts of its settings, with the
// editor, converter and prompter of the caller.
#pragma once

#include "app/workspace.h"
#include "convert/document_context.h"
#include "convert/font_conversion_context.h"

namespace quilm {

inline DefaultFonts workspace_default_fonts(const Workspace& ws) {
  const Settings& s = ws.settings;
  return DefaultFonts{s.punjabi_font, s.punjabi_font_size, s.english_font, s.english_font_size};
}

inline DocumentContext workspace_document(Workspace& ws, Editor& editor, const FontConverter& converter,
                                          Prompter& prompter) {
  return DocumentContext{editor, ws.fonts, converter, prompter, workspace_default_fonts(ws)};
}

// The font conversion dialogs' view of the workspace.
inline FontConversionContext workspace_font_conversion(Workspace& ws) {
  return FontConversionContext{ws.fonts, ws.conversion, [&ws] { return workspace_default_fonts(ws); },
                               ws.last_word_font_index};
}

}  // namespace quilm

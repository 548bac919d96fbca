// What the document routines of the encodings and the font conversion need
// of the workspace: its fonts and the default fonts of its settings, with the
// editor, converter and prompter of the caller.
#pragma once

#include "app/workspace.h"
#include "encoding/document/document_context.h"

namespace quilm {

inline DocumentContext workspace_document(Workspace& ws, Editor& editor, const FontConverter& converter,
                                          Prompter& prompter) {
  const Settings& s = ws.settings;
  return DocumentContext{editor, ws.fonts, converter, prompter,
                         DefaultFonts{s.punjabi_font, s.punjabi_font_size, s.english_font, s.english_font_size}};
}

}  // namespace quilm

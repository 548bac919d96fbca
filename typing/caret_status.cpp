// The caret's place.
#include "typing/caret_status.h"

namespace quilm::typing {

CaretPlace caret_place(const Editor& editor) {
  CaretPlace place;
  const int caret = editor.SelStart();
  const int line = editor.LineOfPosition(caret);
  place.line = line + 1;
  place.column = caret - editor.LineStart(line);
  place.page = editor.PageOfPosition(caret);
  return place;
}

}  // namespace quilm::typing

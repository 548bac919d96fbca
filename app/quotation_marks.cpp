#include "app/quotation_marks.h"

#include "formats/legacy_bytes.h"

namespace quilm {

void insert_quotation_mark(Editor& editor, const FontRegistry& fonts, char16_t mark) {
  const auto byte = fonts.check_font_punjabi(editor.FontName()) ? cp1252_byte(mark) : std::nullopt;
  editor.SetSelText(std::u16string(1, byte ? char16_t{*byte} : mark));
}

}  // namespace quilm

// Reading legacy bytes into the pivot encoding, through the conversion driver.
#include "fonts/display/pivot_reader.h"

#include "fonts/conversion.h"
#include "fonts/conversion_context.h"

namespace quilm::display {

Bytes read_as_pivot(BytesView text, int font_index) {
  ConversionContext context;
  return FontConverter(context).to_pivot(text, font_index);
}

bool has_reader(int font_index) { return reader_for_font(font_index) != nullptr; }

std::vector<Bytes> reader_pairs(int font_index) {
  std::vector<Bytes> out;
  const ReaderTable* reader = reader_for_font(font_index);
  if (!reader) return out;
  for (const ReaderUnit& u : reader->units)
    if (u.kind == ReaderUnitKind::pair && !u.precedence)
      out.push_back(Bytes{static_cast<char>(u.first), static_cast<char>(u.second)});
  return out;
}

}  // namespace quilm::display

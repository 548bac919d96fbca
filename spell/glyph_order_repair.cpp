#include "spell/glyph_order_repair.h"

#include "encoding/cleaning.h"

namespace quilm {

Bytes cleaned_glyph_order(BytesView pivot) {
  Bytes w(pivot);
  removing_spaces_in_place(w);
  removing_bindi_in_place(w);
  double_a_in_place(w);
  aunkar_dulankar_in_place(w);
  removing_pairwalibindi_in_place(w);
  return w;
}

}  // namespace quilm

// The halves of the conversion driver for many texts in turn.
#include "fonts/word_conversion.h"

namespace quilm {

WordReader::WordReader(const ReaderTable* reader, std::size_t longest)
    : reader_(reader), longest_(longest), room_(reader ? pivot_room(*reader, longest) : 0) {}

BytesView WordReader::read_longer(BytesView word) { return longer_ = read_into_pivot(*reader_, word); }

WordWriter::WordWriter(const WriterTable* writer, ConversionContext& context, std::size_t longest)
    : writer_(writer), context_(context), direct_(writer && writes_directly(*writer)), longest_(longest),
      room_(direct_ ? glyph_room(*writer, longest) : 0) {}

// A text longer than the room, a writer with a pre-pass or post-pass, or no
// writer at all.
BytesView WordWriter::write_otherwise(BytesView pivot) {
  if (!writer_) {
    context_.erase_before_caret = 0;  // as a writer call would leave it
    return pivot;
  }
  return longer_ = write_from_pivot(*writer_, pivot, context_);
}

}  // namespace quilm

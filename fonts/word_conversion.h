// The two halves of the conversion driver, for one font and many texts in
// turn: a WordReader reads texts of one font into the pivot encoding, a
// WordWriter writes pivot texts in one font. FontConverter::to_pivot and
// from_pivot convert their one text with them, and the whole-text
// conversions (fonts/text_conversion.h) the words of a line, so that a word
// costs no allocation: every text goes into room that all of them share,
// sized once for the longest. A result lives until the next call.
#pragma once

#include <cstddef>

#include "common/bytes.h"
#include "fonts/conversion_buffer.h"
#include "fonts/conversion_context.h"
#include "fonts/conversion_tables.h"
#include "fonts/reader.h"
#include "fonts/writer.h"

namespace quilm {

class WordReader {
 public:
  // `reader` null passes every text unchanged (the pivot and identity
  // encodings, and fonts whose reader is still to come). Room for texts of
  // up to `longest` bytes; a longer one is read into room of its own.
  WordReader(const ReaderTable* reader, std::size_t longest);

  // `text` up to its first zero byte in the pivot encoding; without a
  // reader, `text` whole.
  BytesView read(BytesView text) {
    // A zero byte is copied as zero and so ends the result; no table lets a
    // unit span it or give a zero, so the text after it plays no part.
    return reader_ ? read_word(text.substr(0, length_before_zero(text))) : text;
  }
  // The same for a text known to hold no zero byte (a word of glyph bytes),
  // which spares the scan.
  BytesView read_word(BytesView word) {
    if (!reader_) return word;
    if (word.size() > longest_) return read_longer(word);
    return {reinterpret_cast<const char*>(room_.data()), read_glyphs_into(*reader_, word, room_.data())};
  }

 private:
  BytesView read_longer(BytesView word);

  const ReaderTable* reader_;
  std::size_t longest_;
  ConversionBuffer room_;  // on the stack for a line of ordinary length
  Bytes longer_;
};

class WordWriter {
 public:
  // `writer` null passes every text unchanged. Reads and updates the writer
  // context of `context` and sets its erase_before_caret at each call, as
  // the writer engine does (fonts/writer.h). A writer without a pre-pass or
  // post-pass writes a text of up to `longest` pivot bytes into the shared
  // room; any other text is written into room of its own.
  WordWriter(const WriterTable* writer, ConversionContext& context, std::size_t longest);

  // The glyph bytes of `pivot` (up to its first zero byte); without a
  // writer, `pivot` whole.
  BytesView write(BytesView pivot) {
    if (!direct_ || pivot.size() > longest_) return write_otherwise(pivot);
    return {reinterpret_cast<const char*>(room_.data()), write_glyphs_into(*writer_, pivot, context_, room_.data())};
  }

 private:
  BytesView write_otherwise(BytesView pivot);

  const WriterTable* writer_;
  ConversionContext& context_;
  bool direct_;
  std::size_t longest_;
  ConversionBuffer room_;  // on the stack for a line of ordinary length
  Bytes longer_;
};

}  // namespace quilm

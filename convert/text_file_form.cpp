#include "convert/text_file_form.h"

#include "encoding/utf16.h"

namespace quilm {
namespace {

template <typename Char>
bool first_line_end_is_crlf(std::basic_string_view<Char> text) {
  const Char line_ends[] = {Char('\r'), Char('\n')};
  const std::size_t end = text.find_first_of(line_ends, 0, 2);
  return end != std::basic_string_view<Char>::npos && text[end] == Char('\r');
}

template <typename Text>
Text lf_only(Text text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out.push_back(text[i]);
  return out;
}

}  // namespace

bool crlf_line_ends(std::u16string_view text) { return first_line_end_is_crlf(text); }
bool crlf_line_ends(BytesView bytes) { return first_line_end_is_crlf(bytes); }

std::u16string with_line_ends(std::u16string text, const TextFileForm& form) {
  return form.crlf ? text : lf_only(std::move(text));
}

Bytes with_line_ends(Bytes bytes, const TextFileForm& form) { return form.crlf ? bytes : lf_only(std::move(bytes)); }

Bytes encode_unicode_text(std::u16string_view text, const TextFileForm& form) {
  if (form.encoding == TextFileForm::Encoding::Utf16) return to_utf16le(text, form.byte_order_mark);
  Bytes out(form.byte_order_mark ? kUtf8Bom : BytesView{});
  append_utf8(text, out);
  return out;
}

}  // namespace quilm

#include "cli/text_document.h"

#include <cstdio>

#include "cli/font_option.h"
#include "cli/input_output.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"
#include "spell/spell_check_run.h"

namespace quilm::cli {
namespace {

// The first line break of the text; LF when it has none.
Bytes first_line_break(BytesView text) {
  const std::size_t at = text.find_first_of("\r\n");
  if (at == BytesView::npos || text[at] == '\n') return "\n";
  return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

// The Gurmukhi font name that --font gives: the name itself, or for an
// index the first name written in that encoding.
std::optional<std::string> gurmukhi_font_name(const char* command, const std::string& arg,
                                              const FontRegistry& registry) {
  const std::optional<int> index = resolve_font(command, arg, registry);
  if (!index) return std::nullopt;
  if (registry.check_font_punjabi(arg)) return arg;
  const FontEncoding* encoding = registry.encoding(*index);
  for (std::string_view name : encoding ? encoding->names : std::span<const std::string_view>{}) {
    if (registry.check_font_punjabi(name)) return std::string(name);
  }
  std::fprintf(stderr, "quilm-cli %s: \"%s\" names no Gurmukhi font\n", command, arg.c_str());
  return std::nullopt;
}

}  // namespace

bool TextDocument::use_font(const char* command, const std::string& font, const FontRegistry& registry) {
  if (font.empty()) {
    font_name_ = kUnicodeTextFont;
    return true;
  }
  const std::optional<std::string> name = gurmukhi_font_name(command, font, registry);
  if (name) font_name_ = *name;
  return name.has_value();
}

bool TextDocument::load(const char* command, const std::string& file, const FontRegistry& registry) {
  std::u16string text;
  std::optional<Bytes> bytes = read_input(command, file);
  if (!bytes) return false;
  if (!is_unicode()) {
    text = bytes_as_chars(*bytes);
  } else {
    std::size_t bad = 0;
    std::optional<std::u16string> unicode = from_utf8(*bytes, &bad);
    if (!unicode) {
      std::fprintf(stderr, "quilm-cli %s: not UTF-8 (byte %zu); give --font NAME for a legacy font\n", command,
                   bad + 1);
      return false;
    }
    text = std::move(*unicode);
  }
  line_break_ = first_line_break(*bytes);
  editor_.SetLegacyFonts([&registry](const std::string& name) { return registry.check_font_punjabi(name); });
  editor_.SetFontName(font_name_);
  editor_.SetSelText(text);
  editor_.SetSelStart(0);
  return true;
}

Bytes TextDocument::encoded(std::u16string_view text) const {
  return is_unicode() ? to_utf8(text) : chars_as_bytes(text);
}

Bytes TextDocument::text() const {
  std::u16string text = editor_.Text();
  Bytes out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != kParagraphBreak) continue;
    out += encoded(std::u16string_view(text).substr(start, i - start));
    if (i < text.size()) out += line_break_;
    start = i + 1;
  }
  return out;
}

}  // namespace quilm::cli

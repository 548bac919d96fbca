#include "convert/file_font_conversion.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "convert/change_font.h"
#include "convert/file_types.h"
#include "convert/source_fonts.h"
#include "fonts/font_detection.h"

namespace quilm {
namespace {

constexpr const char* kNotSupported = "   NOT Supported";

bool is_glyph(char16_t c) { return c <= 0xFF; }

// True when both paths name one existing file.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

// Words: stretches of glyph bytes between blanks, controls and line ends.
long count_words(std::u16string_view text) {
  long words = 0;
  bool in_word = false;
  for (char16_t c : text) {
    const bool glyph = c > 0x20 && c <= 0xFF;
    if (glyph && !in_word) ++words;
    in_word = glyph;
  }
  return words;
}

// The words of the runs that a conversion from `source_choice` reads.
long count_gurmukhi_words(const std::vector<TextRun>& runs, const FontRegistry& registry,
                          std::string_view source_choice) {
  SourceFonts sources(registry, source_choice);
  long words = 0;
  for (const TextRun& run : runs) {
    const CharacterFont& font = sources.of(run.format.font_name);
    if ((font.gurmukhi || !sources.automatic()) && font.readable) words += count_words(run.text);
  }
  return words;
}

constexpr std::string_view kNotOfferedAsSource[] = {"Morvend_R", "Punjabi Typewriter",
                                                    "Punjabi Typewriter Engraved", "Punjabi Typewriter Old"};

}  // namespace

std::vector<std::string> file_conversion_source_fonts(const FontRegistry& registry) {
  std::vector<std::string> names = registry.font_dropdown_names({.automatic_detection = true});
  std::erase_if(names, [](const std::string& name) {
    return std::find(std::begin(kNotOfferedAsSource), std::end(kNotOfferedAsSource), name) !=
           std::end(kNotOfferedAsSource);
  });
  return names;
}

FontFileConversion::FontFileConversion(const FontRegistry& registry, const FontConverter& converter,
                                       Prompter& prompter)
    : registry_(registry), converter_(converter), prompter_(prompter) {
  text_.SetLegacyFonts([&registry](const std::string& name) { return registry.check_font_punjabi(name); });
}

void FontFileConversion::Activate() {
  file_type_.reset();
  loaded_.reset();
}

bool FontFileConversion::LoadSource(const std::filesystem::path& path) {
  loaded_.reset();
  const FormatCode format = source_file_format(path);
  if (const Status status = text_.LoadFile(path, format); !status) {
    prompter_.error(status.message());
    return false;
  }
  file_type_ = format;
  loaded_ = path;
  return true;
}

void FontFileConversion::ChooseDestination(const std::filesystem::path& path) {
  if (file_type_) file_type_ = destination_file_format(path, *file_type_);
}

FontConversionResult FontFileConversion::Convert(const FileConversionChoice& choice) {
  converter_.context().typing = false;
  const int destination = registry_.get_font_index(choice.destination_font);
  if (destination == font_index::kNotSupported || !conversion_support(destination).writes) {
    prompter_.message(choice.destination_font + kNotSupported);
    return FontConversionResult::Refused;
  }
  if (loaded_ != choice.source_file && !LoadSource(choice.source_file)) return FontConversionResult::Refused;
  if (file_type_.value_or(FormatCode::PlainText) != FormatCode::PlainText) return convert_runs(choice);
  return convert_plain_text(choice, destination);
}

// The source browse proposes the source file as the destination too, so
// replacing it is asked first.
bool FontFileConversion::may_write(const FileConversionChoice& choice) {
  return !same_file(choice.source_file, choice.destination_file) ||
         prompter_.ask_yes_no(choice.destination_file.string() +
                              " is the source file. Replace it with the converted text?");
}

FontConversionResult FontFileConversion::convert_runs(const FileConversionChoice& choice) {
  if (!may_write(choice)) return FontConversionResult::Refused;
  const long words = count_gurmukhi_words(text_.Runs(), registry_, choice.source_font);
  DocumentContext context{text_, registry_, converter_, prompter_, DefaultFonts{}};
  text_.SetSelStart(0);
  int last_word_font_index = font_index::kUndetermined;
  const FontConversionResult result =
      ChangeFont(context, {choice.source_font, choice.destination_font}, last_word_font_index);
  if (result != FontConversionResult::Converted) {
    loaded_.reset();  // part of the text may be converted: load the file again next time
    return result;
  }
  return write_result(choice, words);
}

FontConversionResult FontFileConversion::write_result(const FileConversionChoice& choice, long words) {
  const FormatCode format = destination_file_format(choice.destination_file, file_type_.value_or(FormatCode::PlainText));
  const Status saved = text_.SaveFile(choice.destination_file, format);
  prompter_.progress_end();
  loaded_.reset();  // the control now holds the result, not the source
  if (!saved) {
    prompter_.error(saved.message());
    return FontConversionResult::Refused;
  }
  prompter_.message(std::to_string(words) + (words == 1 ? " word" : " words") + " converted into " +
                    choice.destination_font + ", written to " + choice.destination_file.string() + ".");
  return FontConversionResult::Converted;
}

FontConversionResult FontFileConversion::convert_plain_text(const FileConversionChoice& choice, int destination) {
  const int source = scan_detect_font(text_, choice.source_font, registry_, prompter_,
                                      ChosenFontMessage::ShowNotSupported);
  if (source == font_index::kNotSupported) return FontConversionResult::Refused;  // already told
  if (!conversion_support(source).reads) {
    const bool chosen = choice.source_font != kAutomaticDetection;
    prompter_.message((chosen ? choice.source_font : text_.FontName()) + kNotSupported);
    return FontConversionResult::Refused;
  }

  if (!may_write(choice)) return FontConversionResult::Refused;

  prompter_.status_caption(kConvertingFontCaption);
  const long words = count_words(text_.Text());
  const std::u16string converted = converted_text(source, destination);
  text_.Clear();
  text_.SetFontName(choice.destination_font);
  text_.SetSelText(converted);
  return write_result(choice, words);
}

// Paragraph by paragraph, with format off: a font converted into itself is
// copied unchanged. Paragraph breaks and characters that are no glyph byte
// (above U+00FF) stay as they are.
std::u16string FontFileConversion::converted_text(int source, int destination) {
  const std::u16string text = text_.Text();
  prompter_.progress_start(text_.LineCount());
  std::u16string out;
  out.reserve(text.size() + text.size() / 10);
  Bytes glyphs;
  auto convert_glyphs = [&] {
    converter_.context().writer = {};
    for (char b : converter_.conversion(glyphs, source, destination, false))
      out.push_back(static_cast<unsigned char>(b));
    glyphs.clear();
  };
  long line = 0;
  for (char16_t c : text) {
    if (is_glyph(c) && c != kParagraphBreak) {
      glyphs.push_back(static_cast<char>(c));
      continue;
    }
    convert_glyphs();
    out.push_back(c);
    if (c == kParagraphBreak) prompter_.progress_step(++line);
  }
  convert_glyphs();
  return out;
}

}  // namespace quilm

#include "convert/change_font.h"

#include "convert/unicode_document.h"
#include "convert/document_pieces.h"
#include "convert/selection_pieces.h"
#include "editor/update_lock.h"

namespace quilm {
namespace {

constexpr const char* kNotSupported = "   NOT Supported";
constexpr const char* kNotSupportedInSelection = "   NOT Supported at 145";

// Locks window updates and shows the caption for the length of a conversion,
// and leaves the editor as the steps that finish the dialog's work do.
class ConversionRun {
 public:
  explicit ConversionRun(DocumentContext& context, const char* caption = kConvertingFontCaption)
      : context_(context), sel_start_(context.editor.SelStart()), lock_(context.editor) {
    context_.converter.context().typing = false;
    context_.prompter.status_caption(caption);
  }
  ~ConversionRun() {
    context_.prompter.progress_end();
    context_.editor.SetSelStart(sel_start_);
  }
  ConversionRun(const ConversionRun&) = delete;
  ConversionRun& operator=(const ConversionRun&) = delete;

 private:
  DocumentContext& context_;
  int sel_start_;
  UpdateLock lock_;
};

FontConversionResult refuse(Prompter& prompter, const std::string& name, const char* why) {
  prompter.message(name + why);
  return FontConversionResult::Refused;
}

FontConversionResult convert_selection(DocumentContext& context, SourceFonts& sources,
                                       const DestinationFont& destination) {
  Editor& editor = context.editor;
  const int start = editor.SelStart();
  const int length = editor.SelLength();
  const SelectionPieces cut = cut_selection(editor.Runs(), start, length, sources, destination.name());
  if (cut.unsupported) return refuse(context.prompter, *cut.unsupported, kNotSupportedInSelection);
  context.prompter.progress_start(start + length);
  replace_pieces(editor, editor.Text(), cut.pieces, destination, context.prompter);
  return FontConversionResult::Converted;
}

FontConversionResult convert_document(DocumentContext& context, SourceFonts& sources,
                                      const DestinationFont& destination, int& last_word_font_index) {
  Editor& editor = context.editor;
  const std::u16string text = editor.Text();
  const DocumentPieces cut = cut_document(editor.Runs(), sources, destination.name());
  if (cut.last_font_index != font_index::kUndetermined) last_word_font_index = cut.last_font_index;
  context.prompter.progress_start(static_cast<long>(text.size()) + 1);
  replace_pieces(editor, text, cut.pieces, destination, context.prompter);
  for (const std::string& name : cut.unsupported) context.prompter.message(name + kNotSupported);
  return cut.unsupported.empty() ? FontConversionResult::Converted : FontConversionResult::Refused;
}

DestinationFont destination_of(const DocumentContext& context, const ChangeFontChoice& choice) {
  if (choice.destination == kUnicodeChoice)
    return DestinationFont::unicode(context.defaults.unicode, context.converter, choice.gurmukhi_digits);
  return DestinationFont(choice.destination, context.fonts, context.converter);
}

}  // namespace

FontConversionResult ChangeFont(DocumentContext& context, const ChangeFontChoice& choice, int& last_word_font_index) {
  ConversionRun run(context);
  EditGroup one_undo_step(context.editor);
  const bool to_unicode = choice.destination == kUnicodeChoice;
  if (to_unicode && CheckUnicode(context.editor)) return FontConversionResult::Converted;
  const DestinationFont destination = destination_of(context, choice);
  if (!destination.supported()) return refuse(context.prompter, choice.destination, kNotSupported);
  SourceFonts sources(context.fonts, choice.source);
  if (!sources.automatic() && !sources.chosen().readable)
    return refuse(context.prompter, choice.source, kNotSupported);

  if (context.editor.SelLength() > 0) return convert_selection(context, sources, destination);
  // gur_to_cdac has no font index through which Unicode text could reach it.
  if (!to_unicode && choice.destination != kCdacFontName &&
      ConvertUnicode(context, context.converter.context(), choice.destination))
    return FontConversionResult::Converted;
  return convert_document(context, sources, destination, last_word_font_index);
}

FontConversionResult ConvertIntoFont(DocumentContext& context, const DestinationFont& destination,
                                     const char* caption, int& last_word_font_index) {
  ConversionRun run(context, caption);
  EditGroup one_undo_step(context.editor);
  SourceFonts sources(context.fonts, kAutomaticDetection);
  if (context.editor.SelLength() > 0) return convert_selection(context, sources, destination);
  return convert_document(context, sources, destination, last_word_font_index);
}

}  // namespace quilm

// quilm-cli convert-doc: the program's "Change Font" on a document file. The
// document is loaded in the format of its extension, every run of words is
// converted from its own Gurmukhi font (or the one font given), and the
// result is written in the format of the output file's extension.
#include <cstdio>

#include "editors/memory_editor.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/font_conversion_args.h"
#include "cli/stderr_prompter.h"
#include "convert/document_context.h"
#include "convert/change_font.h"
#include "convert/file_types.h"

namespace quilm::cli {
namespace {

constexpr const char* kCommand = "convert-doc";

constexpr char kAbout[] =
    "Converts the Gurmukhi text of the document IN (RTF, .pbi, HTML or text) into\n"
    "the font FONT and writes it to OUT, in the format of OUT's extension, as the\n"
    "program's \"Change Font\" does. With --from auto each run of words is read in\n"
    "the font it is shown in; a font name reads all the text in that font. Text\n"
    "in other fonts is left as it is. FONT is a font name or a font index;\n"
    "\"unicode\" converts the document into Unicode text (a .txt OUT is then\n"
    "written as UTF-16LE with a byte-order mark). A text IN that starts with a\n"
    "UTF-16 byte-order mark is read as Unicode text, and refused when it is not\n"
    "UTF-16.";

// A Unicode document cannot be written as 8-bit text.
FormatCode output_format(const FontConversionArgs& a) {
  const FormatCode format = source_file_format(a.out);
  return a.to == "unicode" && format == FormatCode::PlainText ? FormatCode::Unicode : format;
}

int convert_document_file(const FontConversionArgs& a, const FontRegistry& registry) {
  StderrPrompter prompter(kCommand);
  MemoryEditor editor;
  editor.SetLegacyFonts([&registry](const std::string& name) { return registry.check_font_punjabi(name); });
  if (const Status loaded = editor.LoadFile(a.in, document_file_format(a.in)); !loaded) {
    prompter.error(loaded.message());
    return kBadInput;
  }
  ConversionContext conversion;
  const FontConverter converter(conversion);
  DocumentContext context{editor, registry, converter, prompter, {}};
  const ChangeFontChoice choice{a.from, a.to == "unicode" ? std::string(kUnicodeChoice) : a.to, a.gurmukhi_digits};
  int last_word_font_index = 0;
  if (ChangeFont(context, choice, last_word_font_index) != FontConversionResult::Converted) return kBadInput;
  if (const Status saved = editor.SaveFile(a.out, output_format(a)); !saved) {
    prompter.error(saved.message());
    return kBadInput;
  }
  return kSuccess;
}

}  // namespace

int run_convert_doc(const Args& args) {
  return run_font_conversion_command({kCommand, "FONT|unicode", kAbout, convert_document_file, true}, args);
}

}  // namespace quilm::cli

// quilm-cli convert-file: the program's "Convert Font" on a file, written to
// OUT in the format of OUT's extension. A file that names its fonts is
// converted run by run; plain text from its one Gurmukhi font.
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/font_conversion_args.h"
#include "cli/stderr_prompter.h"
#include "convert/file_font_conversion.h"

namespace quilm::cli {
namespace {

constexpr const char* kCommand = "convert-file";

constexpr char kAbout[] =
    "Converts the file IN (RTF, .pbi, HTML, Word or text) from one Gurmukhi font\n"
    "into FONT and writes OUT in the format of its extension (an unknown\n"
    "extension keeps IN's format), as the program's \"Convert Font\" does. With\n"
    "--from auto, a file that names its fonts (RTF, .pbi, HTML, Word) has each\n"
    "Gurmukhi run converted from its own font, as \"Change Font\" converts the\n"
    "document, every other run and all formatting kept; in plain text the\n"
    "first Gurmukhi font found from an eighth of the text on is the source font\n"
    "and the text is converted without tidying (a font into itself copies it).\n"
    "Says on stderr how many words were converted. FONT is a font name or a\n"
    "font index.";

int convert_file(const FontConversionArgs& a, const FontRegistry& registry) {
  StderrPrompter prompter(kCommand);
  ConversionContext conversion;
  const FontConverter converter(conversion);
  FontFileConversion conversion_run(registry, converter, prompter);
  conversion_run.Activate();
  const FileConversionChoice choice{a.in, a.out, a.from, a.to};
  return conversion_run.Convert(choice) == FontConversionResult::Converted ? kSuccess : kBadInput;
}

}  // namespace

int run_convert_file(const Args& args) {
  return run_font_conversion_command({kCommand, "FONT", kAbout, convert_file, false}, args);
}

}  // namespace quilm::cli

#include "roman/punjabi_text.h"

#include <vector>

#include "common/progress_scope.h"
#include "editor/update_lock.h"
#include "encoding/pivot_bytes.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/font_index.h"
#include "roman/queued_roman_text.h"

namespace quilm {
namespace {

// The output as runs of one font each: the Quilm text, and the characters
// beyond ASCII in the font of the source.
class PunjabiTextRuns {
 public:
  PunjabiTextRuns(std::string source_font, const FontConverter& converter)
      : source_font_(std::move(source_font)), converter_(converter) {}

  void word(BytesView pivot) { quilm(converter_.conversion(pivot, font_index::kPivot, font_index::kQuilm, true)); }

  void separators(const RomanPiece& piece) {
    BytesView rest = piece.separators;
    if (piece.first_is_danda || piece.first_is_full_stop) {
      const char glyph = static_cast<char>(piece.first_is_danda ? pivot::kDanda : pivot::kFullStop);
      word(BytesView(&glyph, 1));
      rest.remove_prefix(1);
    }
    const std::u16string text = from_utf8(rest).value_or(std::u16string());
    for (char16_t c : text) {
      if (c < 0x80) quilm_text_.push_back(c);
      else other(c);
    }
  }

  std::vector<TextRun> finish() {
    end_quilm_run();
    return std::move(runs_);
  }

 private:
  void quilm(BytesView bytes) {
    for (unsigned char b : bytes) quilm_text_.push_back(static_cast<char16_t>(b));
  }
  void other(char16_t c) {
    end_quilm_run();
    if (runs_.empty() || runs_.back().format.font_name != source_font_) runs_.push_back({u"", {source_font_}});
    runs_.back().text.push_back(c);
  }
  void end_quilm_run() {
    if (quilm_text_.empty()) return;
    runs_.push_back({std::move(quilm_text_), {std::string(kPunjabiTextFont)}});
    quilm_text_.clear();
  }

  std::string source_font_;
  const FontConverter& converter_;
  std::u16string quilm_text_;
  std::vector<TextRun> runs_;
};

struct SaveChoice {
  const char* extension;
  FormatCode format;
};
constexpr SaveChoice kSaveChoices[] = {
    {".doc", FormatCode::Word}, {".txt", FormatCode::PlainText}, {".htm", FormatCode::Html}, {".rtf", FormatCode::Rtf}};

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

bool SavePunjabiText(const Editor& output, FileDialogs& dialogs, Prompter& prompter) {
  FileDialogRequest request;
  request.title = "Save File";
  request.filter =
      "Word Documents (*.doc)|*.doc|Text files (*.txt)|*.txt|HTML Documents (*.htm)|*.htm|RTF Documents (*.rtf)|*.rtf";
  request.default_extension = "doc";
  request.proposed_name = "NoName.Doc";
  const std::optional<FileChoice> choice = dialogs.save(request);
  if (!choice) return false;
  const int index = choice->filter_index >= 1 && choice->filter_index <= 4 ? choice->filter_index : 1;
  const SaveChoice& kind = kSaveChoices[index - 1];
  std::filesystem::path path = choice->path;
  if (upper(path.extension().string()) != upper(kind.extension)) path.replace_extension(kind.extension);
  // The question is asked about the file that will be written, after the
  // extension is settled, so that no other file is replaced unasked.
  if (!may_replace(path, prompter)) return false;
  if (Status s = output.SaveFile(path, kind.format); !s) {
    prompter.error(s.message());
    return false;
  }
  return true;
}

std::optional<PunjabiTextSource> punjabi_text_source(const Editor& editor, const FontRegistry& fonts,
                                                     Prompter& prompter) {
  if (fonts.check_font_punjabi(editor.FontName())) {
    prompter.message(kOnlyRomanText);
    return std::nullopt;
  }
  return PunjabiTextSource{editor.SelLength() > 0 ? editor.SelText() : editor.Text(), editor.FontName()};
}

std::optional<std::vector<TextRun>> punjabi_text_runs(const RomanData& data, const PunjabiTextSource& source,
                                                      bool queue, const std::function<bool(long done)>& progress) {
  const Bytes utf8 = to_utf8(source.text);
  ConversionContext conversion;  // its own, so that a worker thread may run it
  const FontConverter converter(conversion);
  PunjabiTextRuns runs(source.font, converter);
  long done = 0, told = 0;
  bool going = true;
  const auto piece = [&](const RomanPiece& p) {
    if (p.roman.empty()) runs.separators(p);
    else if (!p.candidates.empty()) runs.word(p.candidates.front().pivot);
    done += static_cast<long>(p.roman.size() + p.separators.size());
  };
  const auto keep_going = [&] {
    if (going && done - told >= 4096) going = progress(told = done);
    return going;
  };
  RomanWordContext context;
  if (queue) convert_roman_text_queued(data, utf8, context, piece, keep_going);
  else convert_roman_text(data, utf8, context, piece, keep_going);
  if (!going || !progress(static_cast<long>(utf8.size()))) return std::nullopt;
  return runs.finish();
}

void write_punjabi_text(const std::vector<TextRun>& runs, Editor& output) {
  const UpdateLock lock(output);
  output.Clear();
  for (const TextRun& run : runs) {
    output.SetFontName(run.format.font_name);
    output.SetSelText(run.text);
  }
  output.SetSelStart(0);
}

bool transliterate_roman_document(const Editor& source, Editor& output, const PunjabiTextTools& tools) {
  output.Clear();
  const std::optional<PunjabiTextSource> text = punjabi_text_source(source, tools.fonts, tools.prompter);
  if (!text) return false;
  ProgressScope progress(tools.prompter, kRomanToGurmukhiCaption, static_cast<long>(to_utf8(text->text).size()));
  const auto runs = punjabi_text_runs(tools.data, *text, tools.queue, [&](long done) {
    progress.step(done);
    return true;
  });
  write_punjabi_text(*runs, output);
  return true;
}

}  // namespace quilm

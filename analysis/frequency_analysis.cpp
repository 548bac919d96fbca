#include "analysis/frequency_analysis.h"

#include "common/file_io.h"
#include "convert/file_types.h"
#include "editors/memory_editor.h"

namespace quilm {
namespace {

bool names_its_fonts(const std::filesystem::path& file) { return source_file_format(file) != FormatCode::PlainText; }

// The text of one file in the reading of the analysis; the first file that
// names its fonts may set the reading (a detected font).
Status read_source(const std::filesystem::path& file, const AnalysisRequest& request, const FontConverter& converter,
                   bool first, AnalysisOutcome& out, Bytes& text) {
  if (!request.fonts || request.reading.kind == TextKind::Iscii || !names_its_fonts(file)) {
    std::optional<Bytes> bytes = read_file(file);
    if (!bytes) return Status::Error("cannot read " + file.string());
    text = std::move(*bytes);
    return Status::Ok();
  }
  MemoryEditor hidden;
  hidden.SetLegacyFonts([&](const std::string& name) { return request.fonts->check_font_punjabi(name); });
  if (Status loaded = hidden.LoadFile(file, source_file_format(file)); !loaded.ok()) return loaded;
  const bool keep_reading = !first || request.font_chosen;
  std::optional<std::string> into;
  if (keep_reading && !out.reading.english && out.reading.kind == TextKind::Legacy) into = out.font_name;
  AnalysedText analysed =
      document_analysis_text(hidden.Runs(), request.reading.english, *request.fonts, converter, into);
  if (!keep_reading) {
    out.reading = analysed.reading;
    out.font_name = analysed.font_name;
    out.note = analysed.note;
  }
  text = std::move(analysed.text);
  return Status::Ok();
}

StatsHeader stats_header(const std::string& first, const AnalysisOutcome& out) {
  StatsHeader header;
  header.first_file = first;
  header.language = out.reading.english ? "English" : "Punjabi";
  header.font_name = out.font_name;
  return header;
}

}  // namespace

Status run_frequency_analysis(const AnalysisRequest& request, const FontConverter& converter, AnalysisOutcome& out,
                              const AnalysisProgress& progress) {
  const bool positions = request.files.size() == 1 && request.reading.kind != TextKind::Iscii;
  FrequencyCount count(positions);
  out.reading = request.reading;
  out.font_name = request.font_name;
  std::unique_ptr<WordForms> forms;
  Bytes single_text;
  for (std::size_t i = 0; i < request.files.size(); ++i) {
    const std::filesystem::path& file = request.files[i];
    if (progress && !progress(file)) return Status::Error("Cancelled");
    Bytes text;
    if (Status read = read_source(file, request, converter, i == 0, out, text); !read.ok()) return read;
    if (!forms) forms = make_word_forms(out.reading, converter);
    count_words(text, out.reading, *forms, count);
    if (positions) single_text = std::move(text);
  }
  if (!forms) forms = make_word_forms(out.reading, converter);
  const std::string first = request.files.empty() ? std::string() : request.files.front().string();
  out.results = summarise(count, out.reading, *forms, request.thresholds, stats_header(first, out));
  out.analysed_text = std::move(single_text);
  out.positions_usable = positions;
  return Status::Ok();
}

void run_text_frequency_analysis(const AnalysedText& text, const std::string& name, AnalysisThresholds thresholds,
                                 const FontConverter& converter, AnalysisOutcome& out) {
  FrequencyCount count(true);
  out.reading = text.reading;
  out.font_name = text.font_name;
  out.note = text.note;
  const std::unique_ptr<WordForms> forms = make_word_forms(out.reading, converter);
  count_words(text.text, out.reading, *forms, count);
  out.results = summarise(count, out.reading, *forms, thresholds, stats_header(name, out));
  out.analysed_text = text.text;
  out.positions_usable = true;
}

}  // namespace quilm

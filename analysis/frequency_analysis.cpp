#include "analysis/frequency_analysis.h"

#include "common/file_io.h"

namespace quilm {

Status run_frequency_analysis(const AnalysisRequest& request, const FontConverter& converter, AnalysisOutcome& out,
                              const AnalysisProgress& progress) {
  const bool positions = request.files.size() == 1 && request.reading.kind != TextKind::Iscii;
  FrequencyCount count(positions);
  const std::unique_ptr<WordForms> forms = make_word_forms(request.reading, converter);
  Bytes single_text;
  for (const std::filesystem::path& file : request.files) {
    if (progress && !progress(file)) return Status::Error("Cancelled");
    std::optional<Bytes> text = read_file(file);
    if (!text) return Status::Error("cannot read " + file.string());
    count_words(*text, request.reading, *forms, count);
    if (positions) single_text = std::move(*text);
  }
  StatsHeader header;
  header.first_file = request.files.empty() ? std::string() : request.files.front().string();
  header.language = request.reading.english ? "English" : "Punjabi";
  header.font_name = request.font_name;
  out.results = summarise(count, request.reading, *forms, request.thresholds, header);
  out.analysed_text = std::move(single_text);
  out.positions_usable = positions;
  return Status::Ok();
}

}  // namespace quilm

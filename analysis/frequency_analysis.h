// A frequency analysis of one or more files, as "Generate Word Lists" runs
// it: every file read as bytes of the chosen kind and counted in turn (the
// words before carry over into the pairs and triples of the next file), the
// positions kept only for a single file that is not ISCII, then the result
// rows made. The command line and the analysis window both run this.
//
// Files that name their fonts (.pbi, RTF, HTML, Word) are read through a
// hidden editor when a font registry is given: their runs make the text as
// analysis/document_text.h says, and the first such file decides the
// reading unless the user chose a font.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/document_text.h"
#include "analysis/frequency_results.h"
#include "analysis/text_words.h"
#include "common/status.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

struct AnalysisRequest {
  std::vector<std::filesystem::path> files;
  TextReading reading;
  AnalysisThresholds thresholds;
  std::string font_name;  // shown in the statistics
  const FontRegistry* fonts = nullptr;  // reads files that name their fonts
  bool font_chosen = false;             // font_name is the user's choice, not detected
};

struct AnalysisOutcome {
  FrequencyResults results;
  Bytes analysed_text;  // the text of a single file, into which the positions point
  bool positions_usable = false;
  TextReading reading;    // as the words were read (a detected font changes it)
  std::string font_name;  // the font the words stand in
  std::string note;       // a detected font that cannot be read ("NAME   NOT Supported")
};

// Reports each file as it starts ("Analysing: " + name for the status panel);
// returning false cancels the analysis, which then fails with "Cancelled".
using AnalysisProgress = std::function<bool(const std::filesystem::path& file)>;

// Fails with a message naming the file that cannot be read; nothing is
// counted then.
Status run_frequency_analysis(const AnalysisRequest& request, const FontConverter& converter, AnalysisOutcome& out,
                              const AnalysisProgress& progress = {});

// The analysis of a text already read (the document in the editor, made by
// document_analysis_text); `name` is shown in the statistics.
void run_text_frequency_analysis(const AnalysedText& text, const std::string& name, AnalysisThresholds thresholds,
                                 const FontConverter& converter, AnalysisOutcome& out);

}  // namespace quilm

// A frequency analysis of one or more files, as "Generate Word Lists" runs
// it: every file read as bytes of the chosen kind and counted in turn (the
// words before carry over into the pairs and triples of the next file), the
// positions kept only for a single file that is not ISCII, then the result
// rows made. The command line and the analysis window both run this.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/frequency_results.h"
#include "analysis/text_words.h"
#include "common/status.h"
#include "fonts/conversion.h"

namespace quilm {

struct AnalysisRequest {
  std::vector<std::filesystem::path> files;
  TextReading reading;
  AnalysisThresholds thresholds;
  std::string font_name;  // shown in the statistics
};

struct AnalysisOutcome {
  FrequencyResults results;
  Bytes analysed_text;  // the text of a single file, into which the positions point
  bool positions_usable = false;
};

// Reports each file as it starts ("Analysing: " + name for the status panel);
// returning false cancels the analysis, which then fails with "Cancelled".
using AnalysisProgress = std::function<bool(const std::filesystem::path& file)>;

// Fails with a message naming the file that cannot be read; nothing is
// counted then.
Status run_frequency_analysis(const AnalysisRequest& request, const FontConverter& converter, AnalysisOutcome& out,
                              const AnalysisProgress& progress = {});

}  // namespace quilm

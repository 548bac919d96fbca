// quilm-cli samples: the table of the transliteration samples window, and a
// check that each caption is what the transliteration rules give and that
// each recording is in the data folder.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "translit/samples.h"

namespace quilm::cli {
namespace {

void print_samples_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli samples [--check] [--sound-folder DIR]\n"
               "\n"
               "Prints the samples of the \"Gurmukhi to Roman Transliteration Samples\"\n"
               "window, one a line: the Gurmukhi (UTF-8), the Roman caption, what the\n"
               "transliteration rules give, and the sound file.\n"
               "\n"
               "  --check             exit 1 when a caption differs from the rules' output\n"
               "                      or (with --sound-folder) a sound file is missing;\n"
               "                      each problem is named on stderr\n"
               "  --sound-folder DIR  the Sound folder of the data folder\n");
}

struct Options {
  bool check = false, help = false;
  std::string sound_folder;
};

std::optional<Options> parse_options(const Args& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      o.help = true;
    } else if (args[i] == "--check") {
      o.check = true;
    } else if (args[i] == "--sound-folder" && i + 1 < args.size()) {
      o.sound_folder = args[++i];
    } else {
      std::fprintf(stderr, "quilm-cli samples: unexpected argument \"%s\"\n", args[i].c_str());
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace

int run_samples(const Args& args) {
  const std::optional<Options> o = parse_options(args);
  if (!o) {
    print_samples_usage(stderr);
    return kUsage;
  }
  if (o->help) {
    print_samples_usage(stdout);
    return kSuccess;
  }
  ConversionContext context;
  const FontConverter converter(context);
  int problems = 0;
  for (const Sample& sample : transliteration_samples()) {
    const std::string gurmukhi = sample_gurmukhi_utf8(sample, converter);
    const std::string rules = sample_rules_roman(sample, converter);
    std::printf("%s\t%.*s\t%s\t%.*s\n", gurmukhi.c_str(), static_cast<int>(sample.roman.size()), sample.roman.data(),
                rules.c_str(), static_cast<int>(sample.sound.size()), sample.sound.data());
    if (o->check && !sample.roman.empty() && rules != sample.roman) {
      std::fprintf(stderr, "quilm-cli samples: %s: the caption is \"%.*s\", the rules give \"%s\"\n",
                   gurmukhi.c_str(), static_cast<int>(sample.roman.size()), sample.roman.data(), rules.c_str());
      ++problems;
    }
    if (o->check && !o->sound_folder.empty() &&
        !std::filesystem::is_regular_file(std::filesystem::path(o->sound_folder) / sample.sound)) {
      std::fprintf(stderr, "quilm-cli samples: %s: no sound file %.*s\n", gurmukhi.c_str(),
                   static_cast<int>(sample.sound.size()), sample.sound.data());
      ++problems;
    }
  }
  return problems == 0 ? kSuccess : kBadInput;
}

}  // namespace quilm::cli

// quilm-cli spell: the spelling checker on the command line.
//   spell check [--font NAME] [FILE]   the unknown words, in order of first appearance
//   spell suggest [--font NAME]        one line out per word in: the word, or the
//                                      word, TAB and its suggestions, best first
//   spell dictionaries                 the additional dictionaries of Dict/
//   spell build-wordlist WORDS.tsv WLIST FREQ_TABLE
//   spell build-english ENGLISH.txt TABLE
// Text is UTF-8 Unicode unless --font names the Gurmukhi font whose bytes it
// is. The word collections come from the data folder (--data, else the
// current folder), the additional dictionary from its filearch setting.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>
#include <unordered_set>

#include "app/settings.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "common/file_io.h"
#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/font_index.h"
#include "fonts/registry.h"
#include "spell/additional_dictionaries.h"
#include "spell/english_words.h"
#include "spell/spell_data.h"
#include "spell/suggestion_round.h"
#include "spell/unicode_words.h"
#include "spell/word_bytes.h"
#include "spell/word_checker.h"
#include "spell/word_frequencies.h"
#include "spell/word_list_build.h"
#include "spell/word_list_files.h"

namespace quilm::cli {
namespace {

constexpr char kHelp[] =
    "usage: quilm-cli spell check [--font NAME] [--data DIR] [--dict NAME] [FILE]\n"
    "       quilm-cli spell suggest [--font NAME] [--data DIR] [--dict NAME]\n"
    "       quilm-cli spell dictionaries [--data DIR]\n"
    "       quilm-cli spell build-wordlist WORDS.tsv WLIST FREQ_TABLE\n"
    "       quilm-cli spell build-english ENGLISH.txt TABLE\n"
    "\n"
    "check    prints the unknown words of FILE (standard input without it), one a\n"
    "         line, in order of first appearance.\n"
    "suggest  reads one word a line and writes one line for each: a known word\n"
    "         alone; an unknown word, a TAB and its suggestions separated by TABs,\n"
    "         best first. Output is flushed line by line unless it is a file.\n"
    "Text is UTF-8 Unicode, or with --font the bytes of that Gurmukhi font (words\n"
    "in other fonts are English). --data names the data folder (default: the\n"
    "current folder), --dict the additional dictionary in its Dict folder\n"
    "(default: the one the settings file filearch names).\n"
    "dictionaries lists the additional dictionaries of the data folder's Dict\n"
    "folder, one a line, the one filearch names marked with a leading \"* \".\n"
    "build-wordlist turns a word list source (WORD<TAB>COUNT<TAB>SOURCES, UTF-8)\n"
    "into WList.txt and fills the empty frequency table FREQ_TABLE; build-english\n"
    "fills the empty English table TABLE from a list of words, one a line.\n";

int usage_error(const std::string& message) {
  std::fprintf(stderr, "quilm-cli spell: %s\n%s", message.c_str(), kHelp);
  return kUsage;
}

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli spell: %s\n", message.c_str());
  return kBadInput;
}

struct Options {
  std::string verb;
  std::optional<std::string> font;
  std::string data = ".";
  std::optional<std::string> dictionary;
  std::vector<std::string> files;
};

std::optional<std::string> parse(const Args& args, Options* o) {
  o->verb = args.empty() ? "" : args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--font" || a == "--data" || a == "--dict") {
      if (i + 1 == args.size()) return a + " needs a value";
      const std::string& value = args[++i];
      if (a == "--font") o->font = value;
      else if (a == "--data") o->data = value;
      else o->dictionary = value;
    } else if (a.size() > 1 && a[0] == '-') {
      return "unexpected option \"" + a + "\"";
    } else {
      o->files.push_back(a);
    }
  }
  return std::nullopt;
}

std::string dictionary_name(const Options& o) {
  if (o.dictionary) return *o.dictionary;
  const std::optional<Bytes> filearch = read_file(std::filesystem::path(o.data) / "filearch");
  return filearch ? parse_settings(*filearch).settings.additional_dictionary : Settings{}.additional_dictionary;
}

bool output_is_file() {
  struct stat st {};
  return fstat(fileno(stdout), &st) == 0 && S_ISREG(st.st_mode);
}

// The text as the checker reads it: where its words are and how to check them.
class TextSpeller {
 public:
  TextSpeller(SpellData& data, const FontConverter& converter, std::optional<int> font)
      : data_(data), converter_(converter), checker_(data.lexicon, converter), font_(font) {}

  // Calls `unknown(word as it stands, verdict)` for every unknown word.
  template <typename Unknown>
  bool check_text(BytesView text, Unknown unknown) {
    if (font_) {
      check_font_text(text, unknown);
      return true;
    }
    const std::optional<std::u16string> unicode = from_utf8(text);
    if (!unicode) return false;
    std::size_t pos = 0;
    UnicodeWord w{};
    while (next_unicode_word(*unicode, pos, w)) {
      const std::u16string_view word = std::u16string_view(*unicode).substr(w.start, w.length);
      const WordVerdict& v = w.kind == UnicodeWord::Kind::Gurmukhi
                                 ? checker_.check_unicode_word(word)
                                 : checker_.check_english_word(to_utf8(word));
      if (!v.known) unknown(to_utf8(word), v);
    }
    return true;
  }

  // The suggestions of an unknown word, in the text's encoding.
  std::vector<Bytes> suggestions(const WordVerdict& v) const {
    if (v.mode == LookupMode::English) return english_suggestions(data_.lexicon, v.lookup);
    std::vector<Bytes> out;
    for (const Bytes& pivot : punjabi_suggestions(data_.lexicon, data_.frequencies, v.lookup)) {
      out.push_back(font_ ? converter_.from_pivot(pivot, *font_) : to_utf8(GurToUnicode(pivot)));
    }
    return out;
  }

 private:
  template <typename Unknown>
  void check_font_text(BytesView text, Unknown unknown) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
      const std::uint8_t b = byte_at(text, i);
      const bool english = is_english_word_byte(b) && !is_spell_word_byte(*font_, b);
      if (!is_spell_word_byte(*font_, b) && !english) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < n && (english ? is_english_word_byte(byte_at(text, end)) : is_spell_word_byte(*font_, byte_at(text, end))))
        ++end;
      const BytesView word = text.substr(i, end - i);
      const WordVerdict& v = english ? checker_.check_english_word(word) : checker_.check_font_word(word, *font_);
      if (!v.known && !(word.size() == 1 && word[0] == ' ')) unknown(Bytes(word), v);
      i = end;
    }
  }

  SpellData& data_;
  const FontConverter& converter_;
  WordChecker checker_;
  std::optional<int> font_;
};

std::optional<Bytes> read_all(std::FILE* in) {
  Bytes text;
  char buffer[1 << 16];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, got);
  if (std::ferror(in)) return std::nullopt;
  return text;
}

int run_check(TextSpeller& speller, const Options& o) {
  std::optional<Bytes> text;
  if (o.files.empty()) text = read_all(stdin);
  else text = read_file(o.files[0]);
  if (!text) return bad_input("cannot read " + (o.files.empty() ? std::string("standard input") : o.files[0]));
  std::unordered_set<Bytes> reported;
  Bytes out;
  const bool ok = speller.check_text(*text, [&](Bytes word, const WordVerdict&) {
    if (reported.insert(word).second) {
      out += word;
      out += '\n';
    }
  });
  if (!ok) return bad_input("the text is not UTF-8 (use --font for font bytes)");
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? kSuccess : bad_input("cannot write standard output");
}

int run_suggest(TextSpeller& speller) {
  const bool flush_each_line = !output_is_file();
  char* line = nullptr;
  std::size_t room = 0;
  ssize_t got;
  std::size_t number = 0;
  int status = kSuccess;
  while ((got = getline(&line, &room, stdin)) >= 0) {
    ++number;
    BytesView word(line, static_cast<std::size_t>(got));
    if (!word.empty() && word.back() == '\n') word.remove_suffix(1);
    if (!word.empty() && word.back() == '\r') word.remove_suffix(1);
    Bytes out(word);
    bool unknown = false;
    const bool ok = speller.check_text(word, [&](Bytes, const WordVerdict& v) {
      if (unknown) return;
      unknown = true;
      out += '\t';
      bool first = true;
      for (const Bytes& s : speller.suggestions(v)) {
        if (!first) out += '\t';
        out += s;
        first = false;
      }
    });
    if (!ok) {
      status = bad_input("line " + std::to_string(number) + ": not UTF-8");
      break;
    }
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (flush_each_line) std::fflush(stdout);
  }
  std::free(line);
  if (std::fflush(stdout) != 0) return bad_input("cannot write standard output");
  return status;
}

int run_dictionaries(const Options& o) {
  if (!o.files.empty()) return usage_error("dictionaries takes no FILE");
  const std::string current = dictionary_name(o);
  for (const std::string& name : additional_dictionary_names(o.data)) {
    std::printf("%s%s\n", name == current ? "* " : "", name.c_str());
  }
  return std::fflush(stdout) == 0 ? kSuccess : bad_input("cannot write standard output");
}

int run_build_wordlist(const Options& o) {
  if (o.files.size() != 3) return usage_error("build-wordlist needs WORDS.tsv WLIST FREQ_TABLE");
  const std::optional<Bytes> source = read_file(o.files[0]);
  if (!source) return bad_input("cannot read " + o.files[0]);
  BuiltWordList built;
  if (Status st = build_word_list(*source, &built); !st) return bad_input(o.files[0] + ": " + st.message());
  if (Status st = write_file_atomically(o.files[1], format_main_word_list(built.words)); !st) return bad_input(st.message());
  if (Status st = fill_frequency_table(o.files[2], built.counts); !st) return bad_input(st.message());
  std::fprintf(stderr, "%zu words read, %zu in the word list, %zu longer than 19 bytes, %zu not Gurmukhi\n", built.read,
               built.words.total_words(), built.too_long, built.not_gurmukhi);
  return kSuccess;
}

int run_build_english(const Options& o) {
  if (o.files.size() != 2) return usage_error("build-english needs ENGLISH.txt TABLE");
  const std::optional<Bytes> source = read_file(o.files[0]);
  if (!source) return bad_input("cannot read " + o.files[0]);
  std::vector<Bytes> words;
  for (std::size_t pos = 0; pos < source->size();) {
    std::size_t lf = source->find('\n', pos);
    if (lf == Bytes::npos) lf = source->size();
    Bytes w = source->substr(pos, lf - pos);
    if (!w.empty() && w.back() == '\r') w.pop_back();
    if (!w.empty()) words.push_back(std::move(w));
    pos = lf + 1;
  }
  if (Status st = fill_english_table(o.files[1], words); !st) return bad_input(st.message());
  return kSuccess;
}

}  // namespace

int run_spell(const Args& args) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return kSuccess;
    }
  }
  Options o;
  if (const std::optional<std::string> error = parse(args, &o)) return usage_error(*error);
  if (o.verb == "build-wordlist") return run_build_wordlist(o);
  if (o.verb == "build-english") return run_build_english(o);
  if (o.verb == "dictionaries") return run_dictionaries(o);
  if (o.verb != "check" && o.verb != "suggest") return usage_error(o.verb.empty() ? "which command?" : "unknown command \"" + o.verb + "\"");
  if (o.verb == "suggest" && !o.files.empty()) return usage_error("suggest reads standard input only");
  if (o.files.size() > 1) return usage_error("one FILE at most");

  const FontRegistry registry;
  std::optional<int> font;
  if (o.font) {
    if (!registry.check_font_punjabi(*o.font)) return usage_error("\"" + *o.font + "\" is not a Gurmukhi font name");
    font = registry.get_font_index(*o.font);
    if (!convertible(*font) && *font != font_index::kPivot) return bad_input("the font \"" + *o.font + "\" is not supported");
  }
  SpellData data;
  std::vector<std::string> warnings;
  if (Status st = load_spell_data(o.data, dictionary_name(o), &data, &warnings); !st) return bad_input(st.message());
  for (const std::string& w : warnings) std::fprintf(stderr, "quilm-cli spell: %s\n", w.c_str());
  ConversionContext context;
  const FontConverter converter(context);
  TextSpeller speller(data, converter, font);
  return o.verb == "check" ? run_check(speller, o) : run_suggest(speller);
}

}  // namespace quilm::cli

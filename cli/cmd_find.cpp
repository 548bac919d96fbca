// quilm-cli find: the spelling variants of a word and where the word and
// its variants stand in a text file, as the "Find -Replace" window finds
// them ("Search all similar words").
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/options.h"
#include "cli/search_args.h"
#include "cli/text_document.h"
#include "dict/find_replace.h"
#include "dict/font_text.h"
#include "dict/similar_words.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Prints the texts searched for, one a line as \"variant<TAB>TEXT\": the word,\n"
    "and with --similar its spelling variants, written as the file writes\n"
    "Gurmukhi (UTF-8, or the bytes of --font). With FILE (\"-\" for standard\n"
    "input) then every occurrence, top to bottom, as\n"
    "\"match<TAB>LINE<TAB>COLUMN<TAB>TEXT\": LINE and COLUMN count from 1,\n"
    "COLUMN in characters (bytes with --font). WORD is UTF-8; its Gurmukhi is\n"
    "written in the file's font. --dict prints the variants the dictionary\n"
    "lookup tries instead, and no matches.";

void append_line(Bytes& out, std::initializer_list<BytesView> fields) {
  const char* separator = "";
  for (BytesView f : fields) {
    out += separator;
    out += f;
    separator = "\t";
  }
  out += '\n';
}

Bytes dictionary_variants(const SearchText& word, const TextDocument& doc, const FontRegistry& registry,
                          const FontConverter& converter) {
  const FontText target = FontText::of(doc.font_name(), registry);
  const Bytes pivot = FontText::of(word.font_name, registry).to_pivot(word.text, converter);
  Bytes out;
  const SimilarWordList variants = similar_words_for_dictionary_of_pivot(pivot);
  for (const Bytes& v : variants.words())
    append_line(out, {"variant", doc.encoded(target.from_pivot(v, converter))});
  return out;
}

}  // namespace

int run_find(const Args& args) {
  SearchArgs search;
  std::string word, file;
  bool dictionary = false;
  OptionParser parser("find", kAbout);
  declare_search_options(parser, search);
  parser.flag("--dict", dictionary, "the dictionary lookup's variants of WORD");
  parser.positional("WORD", word);
  parser.positional("FILE", file, Need::Optional);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  const std::optional<SearchText> find = typed_text("find", word);
  if (!find) return kBadInput;

  const FontRegistry registry;
  ConversionContext context;
  const FontConverter converter(context);
  TextDocument doc;
  if (!doc.use_font("find", search.font, registry)) return kBadInput;
  if (!file.empty() && !doc.load("find", file, registry)) return kBadInput;
  if (dictionary) return write_output("find", dictionary_variants(*find, doc, registry, converter)) ? kSuccess : kBadInput;

  FindReplace finder(doc.editor(), registry, converter);
  finder.SetSearch(*find, *find, find_options(search));
  Bytes out;
  for (const std::u16string& v : finder.TextsFor(doc.font_name())) append_line(out, {"variant", doc.encoded(v)});
  if (!file.empty()) {
    Editor& editor = doc.editor();
    const std::u16string text = editor.Text();
    for (const TextMatch& m : finder.FindAll()) {
      const int line = editor.LineOfPosition(m.start);
      const int column = m.start - editor.LineStart(line);
      append_line(out, {"match", std::to_string(line + 1), std::to_string(column + 1),
                        doc.encoded(std::u16string_view(text).substr(m.start, m.length))});
    }
  }
  return write_output("find", out) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli

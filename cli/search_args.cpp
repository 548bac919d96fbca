#include "cli/search_args.h"

#include <cstdio>

#include "cli/text_document.h"
#include "encoding/utf16.h"

namespace quilm::cli {

void declare_search_options(OptionParser& parser, SearchArgs& args) {
  parser.flag("--similar", args.similar,
              "also the spelling variants of the word (with or without nasal\n"
              "sign, addak or nukta, with a look-alike letter)");
  parser.flag("--whole-words", args.whole_words, "only where the text is a word of its own");
  parser.flag("--english", args.english,
              "search English text (text that is not Gurmukhi) for the text\n"
              "itself; the default searches Gurmukhi");
  parser.flag("--match-case", args.match_case, "with --english: capitals count");
  parser.value("--font", "FONT", args.font,
               "the file holds the bytes of this Gurmukhi font (a font name or\n"
               "a font index; 9 is the pivot encoding); default UTF-8");
}

FindOptions find_options(const SearchArgs& args) {
  FindOptions o;
  o.language = args.english ? SearchLanguage::English : SearchLanguage::Punjabi;
  o.direction = SearchDirection::All;
  o.similar_words = args.similar;
  o.whole_words = args.whole_words;
  o.match_case = args.match_case;
  return o;
}

std::optional<SearchText> typed_text(const char* command, const std::string& utf8) {
  std::optional<std::u16string> text = from_utf8(utf8);
  if (!text) {
    std::fprintf(stderr, "quilm-cli %s: \"%s\" is not UTF-8\n", command, utf8.c_str());
    return std::nullopt;
  }
  return SearchText{std::move(*text), kUnicodeTextFont};
}

}  // namespace quilm::cli

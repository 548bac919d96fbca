// quilm-cli dict new|add|list: the additional dictionaries of the data
// folder's Dict/ folder, as the "New Dictionary" window and the spelling
// checker's "&Add" keep them.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/user_dictionary.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/options.h"
#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "fonts/registry.h"
#include "spell/additional_dictionaries.h"
#include "spell/lookup_form.h"
#include "spell/new_dictionary.h"
#include "spell/spell_data.h"

namespace quilm::cli {
namespace {

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli dict: %s\n", message.c_str());
  return kBadInput;
}

// NAME or NAME.dic: the file name in Dict/.
std::string file_name_of(const std::string& name) {
  return name.ends_with(".dic") ? name : dictionary_file_name(name);
}

int new_dictionary(const std::string& data, const std::string& name) {
  Status problem = Status::Ok();
  switch (create_dictionary(data, name, &problem)) {
    case NewDictionary::Created:
      return kSuccess;
    case NewDictionary::Exists:
      return bad_input(std::string(kDictionaryExists) + ": " + dictionary_file_name(name) + ". " +
                       std::string(kRenameDictionary));
    case NewDictionary::CannotCreate:
      break;
  }
  return bad_input(std::string(kCannotCreateDictionary) + " (" + problem.message() + ")");
}

// The lookup form of a word given as UTF-8, or as bytes of `font`.
std::optional<Bytes> lookup_form(const std::string& word, const std::string& font, const FontConverter& converter) {
  if (font.empty()) {
    const std::optional<std::u16string> text = from_utf8(word);
    if (!text) return std::nullopt;
    return punjabi_lookup_word(unicode_word_to_pivot(*text)).word;
  }
  const FontRegistry fonts;
  return punjabi_lookup_word(converter.to_pivot(word, fonts.get_font_index(font))).word;
}

std::optional<std::filesystem::path> existing_dictionary(const std::string& data, const std::string& name) {
  if (!valid_dictionary_name(name)) return std::nullopt;
  const std::filesystem::path file = additional_dictionary_path(data, file_name_of(name));
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  return file;
}

// Adds every word or none: a word that does not fit stops the run before
// the file is written.
int add_words(const std::string& data, const std::string& name, const std::string& font,
              const std::vector<std::string>& words) {
  const std::optional<std::filesystem::path> file = existing_dictionary(data, name);
  if (!file) return bad_input("no dictionary " + file_name_of(name) + " in " + data + "/Dict");
  SpellLexicon lexicon;
  if (Status st = lexicon.LoadExtraDictionary(*file); !st) return bad_input(st.message());
  ConversionContext context;
  const FontConverter converter(context);
  Bytes report;
  for (const std::string& word : words) {
    const std::optional<Bytes> form = lookup_form(word, font, converter);
    if (!form) return bad_input("\"" + word + "\" is not UTF-8");
    if (lexicon.additional_dictionary().findable(*form)) {
      report += word + "\tpresent\n";
      continue;
    }
    switch (lexicon.add_punjabi_word(*form)) {
      case AddResult::Added:
        report += word + "\tadded\n";
        break;
      case AddResult::SectionFull:
        return bad_input("the words of the length of \"" + word + "\" fill their section; nothing was added");
      case AddResult::NotAdded:
        return bad_input("\"" + word + "\" is not a word of 2 to 21 glyphs; nothing was added");
    }
  }
  if (Status st = lexicon.save_additional_dictionary(); !st) return bad_input(st.message());
  return write_output("dict", report) ? kSuccess : kBadInput;
}

int list(const std::string& data, const std::string& name) {
  Bytes out;
  if (name.empty()) {
    for (const std::string& n : additional_dictionary_names(data)) out += n + "\n";
    return write_output("dict", out) ? kSuccess : kBadInput;
  }
  const std::optional<std::filesystem::path> file = existing_dictionary(data, name);
  if (!file) return bad_input("no dictionary " + file_name_of(name) + " in " + data + "/Dict");
  SpellLexicon lexicon;
  if (Status st = lexicon.LoadExtraDictionary(*file); !st) return bad_input(st.message());
  const WordSections& words = lexicon.additional_dictionary();
  for (int s = 1; s <= words.section_count(); ++s) {
    for (const Bytes& word : words.section(s)) out += to_utf8(GurToUnicode(word)) + "\n";
  }
  return write_output("dict", out) ? kSuccess : kBadInput;
}

}  // namespace

bool is_user_dictionary_verb(const std::string& verb) { return verb == "new" || verb == "add" || verb == "list"; }

int run_user_dictionary(const std::string& verb, const Args& rest) {
  std::string data = ".", name, font;
  std::vector<std::string> words;
  OptionParser parser("dict", verb == "new"   ? "Creates an empty additional dictionary Dict/NAME.dic."
                              : verb == "add" ? "Adds Punjabi words to the additional dictionary Dict/NAME.dic,\n"
                                                "all or none, and rewrites it; prints each word with \"added\"\n"
                                                "or \"present\"."
                                              : "Lists the additional dictionaries, or the words of one (UTF-8).");
  parser.value("--data", "DIR", data, "the data folder (default: the current folder)");
  if (verb == "new") {
    parser.synopsis("dict new [--data DIR] NAME");
    parser.positional("NAME", name);
  } else if (verb == "add") {
    parser.synopsis("dict add [--data DIR] [--font FONT] NAME WORD...");
    parser.value("--font", "FONT", font, "the words are bytes of this font (default: UTF-8)");
    parser.positional("NAME", name);
    parser.rest("WORD", words, 1);
  } else {
    parser.synopsis("dict list [--data DIR] [NAME]");
    parser.positional("NAME", name, Need::Optional);
  }
  if (const std::optional<int> status = parser.parse(rest)) return *status;
  if (verb == "new") return new_dictionary(data, name);
  if (verb == "add") return add_words(data, name, font, words);
  return list(data, name);
}

}  // namespace quilm::cli

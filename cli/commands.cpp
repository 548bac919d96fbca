#include "cli/commands.h"

namespace quilm::cli {

// One declaration and one row per subcommand; the code of each is in cli/cmd_*.cpp.
int run_version(const Args& args);
int run_font_index(const Args& args);
int run_fonts(const Args& args);
int run_convert(const Args& args);
int run_table(const Args& args);
int run_normalise(const Args& args);
int run_type(const Args& args);
int run_glyph_map(const Args& args);
int run_convert_doc(const Args& args);
int run_convert_file(const Args& args);
int run_spell(const Args& args);
int run_translit(const Args& args);
int run_samples(const Args& args);
int run_roman_exceptions(const Args& args);
int run_sort_key(const Args& args);
int run_sort(const Args& args);
int run_sort_table(const Args& args);
int run_analyse(const Args& args);
int run_concordance(const Args& args);
int run_stats(const Args& args);
int run_count_tables(const Args& args);
int run_wordlist(const Args& args);
int run_find(const Args& args);
int run_replace(const Args& args);
int run_import_table(const Args& args);
int run_roman(const Args& args);
int run_roman_table(const Args& args);
int run_roman_add(const Args& args);
int run_pad(const Args& args);
int run_dict(const Args& args);
int run_affix(const Args& args);
int run_admin_term(const Args& args);
int run_options(const Args& args);

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"version", "print the version of Quilm", run_version},
      {"font-index", "print the font index of font names", run_font_index},
      {"fonts", "list the font encodings with their converters and font names", run_fonts},
      {"convert", "convert text between Gurmukhi font encodings", run_convert},
      {"convert-doc", "convert the Gurmukhi fonts of a document file, run by run (\"Change Font\")", run_convert_doc},
      {"convert-file", "convert a file from one Gurmukhi font into another (\"Convert Font\")", run_convert_file},
      {"table", "create table files from schemas, dump and search them", run_table},
      {"normalise", "bring pivot words to their lookup spelling (convert_for_gurmukhi)", run_normalise},
      {"type", "type keys through the keyboard layouts and print the text they make", run_type},
      {"spell", "check spelling, suggest corrections, build the word files", run_spell},
      {"sort-key", "the Gurmukhi collation key of each line, in hexadecimal", run_sort_key},
      {"sort", "lines in Gurmukhi alphabetical order (\"Sort File\")", run_sort},
      {"sort-table", "rows of a tab-separated table by one or two columns (\"Sort...\" of the Table menu)", run_sort_table},
      {"analyse", "word, character, pair and triple frequencies of files (\"Generate Word Lists\")", run_analyse},
      {"concordance", "every occurrence of a word with the text around it (KWIC)", run_concordance},
      {"stats", "characters, words, lines and pages of a document (\"File Statistics\")", run_stats},
      {"count-tables", "the statistics tables of the data folder from their word, pair and triple counts", run_count_tables},
      {"wordlist", "list and save the stored word lists of a data folder", run_wordlist},
      {"glyph-map", "what each byte of a font encoding draws, for the display fonts", run_glyph_map},
      {"translit", "transliterate Gurmukhi into Roman letters or Devanagari", run_translit},
      {"samples", "the transliteration samples, checked against the rules", run_samples},
      {"find", "the spelling variants of a word and where they stand in a text (\"Find -Replace\")", run_find},
      {"replace", "replace a word, or all its spelling variants, in a text (\"Replace All\")", run_replace},
      {"import-table", "bring a dBase table (.dbf with its .dbt memos) into the table store", run_import_table},
      {"dict", "look a word up in the Punjabi-English or English-Punjabi dictionary; fill the dictionary tables; keep the additional dictionaries", run_dict},
      {"affix", "the words that begin or end with a Gurmukhi string (\"Prefix and Suffix Lists\")", run_affix},
      {"admin-term", "the Punjabi of an English administrative term (\"Punjabi Administrative Terms\")", run_admin_term},
      {"roman-exceptions", "make the exception table of the Roman transliteration", run_roman_exceptions},
      {"roman", "Roman-letter Punjabi into Gurmukhi, as text or word by word with candidates", run_roman},
      {"roman-table", "make a table of Roman spellings (RomanGur.dbf, EnglishGur.DBF, Abbr.db)", run_roman_table},
      {"options", "show or change the settings of a data folder, checked as the Options window checks them", run_options},
      {"roman-add", "add a Roman spelling of a Gurmukhi word to the user's Roman words", run_roman_add},
      {"pad", "replay typing pad events and print the Gurmukhi pane and the word table", run_pad},
  };
  return table;
}

}  // namespace quilm::cli

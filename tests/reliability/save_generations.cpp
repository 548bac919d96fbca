#include "tests/reliability/save_generations.h"

#include <algorithm>
#include <charconv>

#include "formats/document_format.h"
#include "app/startup.h"
#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "app/workspace.h"
#include "common/file_io.h"
#include "spell/lexicon.h"
#include "spell/word_list_files.h"

namespace quilm::test {
namespace {

namespace fs = std::filesystem;

constexpr int kWordTableRecords = 40;
const CharFormat kDocumentFormat{.font_name = "AnmolLipi", .font_size = 16};

std::optional<int> number_after(std::string_view text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
  text.remove_prefix(prefix.size());
  int n = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size() || n < 0) return std::nullopt;
  return n;
}

GenerationCheck failed(std::string why) { return {Status::Error(std::move(why)), -1}; }

// --- filearch ---------------------------------------------------------------

Settings settings_generation(int n) {
  Settings s;
  s.recent_file1 = "&1 generation " + std::to_string(n);
  s.recent_file2 = "&2 " + std::string(static_cast<std::size_t>(n % 300), 'x');
  s.punjabi_font_size = 10 + n % 20;
  s.zoom_step = n % 10;
  return s;
}

Status save_settings(const fs::path& path, int n) {
  if (path.filename() != kSettingsFile) return Status::Error("the settings file must be named filearch");
  Workspace ws;
  ws.data_folder = path.parent_path();
  ws.settings = settings_generation(n);
  ws.settings_complete = true;
  return write_back_at_close(ws) ? Status::Ok() : Status::Error("filearch was not written");
}

GenerationCheck check_settings(const fs::path& path) {
  const std::optional<Bytes> contents = read_file(path);
  if (!contents) return failed("cannot read the file");
  if (contents->empty()) return failed("the file is empty");
  const SettingsRead read = parse_settings(*contents);
  if (!read.status.ok()) return failed(read.status.message());
  if (read.lines_read != kSettingsLines) return failed("only " + std::to_string(read.lines_read) + " lines");
  const std::optional<int> n = number_after(read.settings.recent_file1, "&1 generation ");
  if (!n || !(read.settings == settings_generation(*n))) return failed("the lines are of different generations");
  return {Status::Ok(), *n};
}

// --- tables -----------------------------------------------------------------

Status create_from_schema_text(const fs::path& path, const std::string& text) {
  TableSchema schema;
  if (Status parsed = parse_table_schema(text, &schema); !parsed) return parsed;
  return create_table_file(path, schema);
}

// Every record gets Frequency `n` inside one transaction.
Status set_every_frequency(SqliteTable& table, int n) {
  if (Status s = table.StartTransaction(); !s) return s;
  for (table.First(); !table.Eof(); table.Next()) {
    if (Status s = table.Edit(); !s) return s;
    if (Status s = table.SetFieldByName("Frequency", n); !s) return s;
    if (Status s = table.Post(); !s) return s;
  }
  return table.Commit();
}

Status fill_word_table(SqliteTable& table) {
  if (Status s = table.StartTransaction(); !s) return s;
  for (int i = 0; i < kWordTableRecords; ++i) {
    if (Status s = table.Append(); !s) return s;
    if (Status s = table.SetFieldByName("Word", "word " + std::to_string(i)); !s) return s;
    if (Status s = table.SetFieldByName("Frequency", 0); !s) return s;
    if (Status s = table.Post(); !s) return s;
  }
  return table.Commit();
}

Status save_word_table(const fs::path& path, int n) {
  if (n == 0) {
    const Status created =
        create_from_schema_text(path, "field Word text\nfield Frequency integer\nprimary Word\n");
    if (!created) return created;
  }
  SqliteTable table(path.string());
  if (Status s = table.Open(); !s) return s;
  return n == 0 ? fill_word_table(table) : set_every_frequency(table, n);
}

GenerationCheck check_word_table(const fs::path& path) {
  SqliteTable table(path.string());
  if (Status s = table.Open(); !s) return failed(s.message());
  if (table.RecordCount() != kWordTableRecords) return failed(std::to_string(table.RecordCount()) + " records");
  table.First();
  const std::int64_t n = table.FieldByName("Frequency").as_integer();
  for (; !table.Eof(); table.Next())
    if (table.FieldByName("Frequency").as_integer() != n) return failed("records of different generations");
  return {Status::Ok(), static_cast<int>(n)};
}

std::string remade_schema(int n) {
  return "field Word text\nfield G" + std::to_string(n) + " integer\nprimary Word\n";
}

GenerationCheck check_remade_table(const fs::path& path) {
  SqliteTable table(path.string());
  if (Status s = table.Open(); !s) return failed(s.message());
  const std::vector<FieldDef>& fields = table.Schema().fields;
  const std::optional<int> n = fields.size() == 2 ? number_after(fields[1].name, "G") : std::nullopt;
  if (!n) return failed("the schema is not one of the saved ones");
  return {Status::Ok(), *n};
}

// --- documents --------------------------------------------------------------

// A few kilobytes to some tens of them, so that saving takes a while.
std::u16string document_text(int n) {
  std::u16string text = u"generation ";
  for (const char c : std::to_string(n)) text += static_cast<char16_t>(c);
  const int paragraphs = 50 + (n % 7) * 150;
  for (int i = 0; i < paragraphs; ++i) text += u"\rਸਤਿ ਨਾਮੁ ਕਰਤਾ ਪੁਰਖੁ siq nwmu";
  return text;
}

Status save_document(const fs::path& path, int n) {
  return save_document_file(path, FormatCode::Pbi, document_from_text(document_text(n), kDocumentFormat));
}

GenerationCheck check_document(const fs::path& path) {
  Document doc;
  if (Status s = load_document_file(path, FormatCode::Pbi, kDocumentFormat, doc); !s) return failed(s.message());
  const std::u16string text = text_of(doc.runs);
  const std::string first_line(text.begin(), std::find(text.begin(), text.end(), kParagraphBreak));
  const std::optional<int> n = number_after(first_line, "generation ");
  if (!n || text != document_text(*n)) return failed("the text is not one whole saved document");
  return {Status::Ok(), *n};
}

// --- Dict/*.dic ---------------------------------------------------------------

constexpr int kDictionaryWords = 200;

// Generation n: section 6 holds "gen" and n in three digits, section 8 a
// run of words that all carry n, so a mixture of two generations shows.
WordSections dictionary_generation(int n) {
  WordSections words(kAdditionalSections);
  const auto digits = [](int value, int width) {
    std::string s = std::to_string(value % 1000);
    return std::string(static_cast<std::size_t>(width) - s.size(), '0') + s;
  };
  words.append_loaded(6, "gen" + digits(n, 3));
  for (int i = 0; i < kDictionaryWords; ++i) words.append_loaded(8, digits(i, 3) + "w" + digits(n, 3) + "x");
  for (int s = 1; s <= kAdditionalSections; ++s) words.set_capacity(s, words.section(s).size() + additional_section_slack(s));
  return words;
}

Status save_dictionary(const fs::path& path, int n) {
  SpellLexicon lexicon;
  lexicon.set_additional_dictionary(dictionary_generation(n % 1000), path, true);
  return lexicon.save_additional_dictionary();
}

GenerationCheck check_dictionary(const fs::path& path) {
  const std::optional<Bytes> contents = read_file(path);
  if (!contents) return failed("cannot read the file");
  if (contents->empty()) return failed("the file is empty");
  WordSections words;
  if (Status st = parse_additional_dictionary(*contents, &words); !st) return failed(st.message());
  if (words.section(6).size() != 1) return failed("no generation word");
  const std::optional<int> n = number_after(words.section(6)[0], "gen");
  if (!n) return failed("no generation word");
  if (format_additional_dictionary(words) != format_additional_dictionary(dictionary_generation(*n)))
    return failed("the words are of different generations");
  return {Status::Ok(), *n};
}

}  // namespace

const std::vector<SavedFileKind>& saved_file_kinds() {
  static const std::vector<SavedFileKind> kinds = {
      {SavedFile::Settings, "settings"},
      {SavedFile::WordTable, "word-table"},
      {SavedFile::TableRemake, "table-remake"},
      {SavedFile::Document, "document"},
      {SavedFile::Dictionary, "dictionary"},
  };
  return kinds;
}

std::optional<SavedFile> saved_file_named(std::string_view name) {
  for (const SavedFileKind& kind : saved_file_kinds())
    if (name == kind.name) return kind.file;
  return std::nullopt;
}

Status save_generation(SavedFile file, const fs::path& path, int n) {
  switch (file) {
    case SavedFile::Settings: return save_settings(path, n);
    case SavedFile::WordTable: return save_word_table(path, n);
    case SavedFile::TableRemake: return create_from_schema_text(path, remade_schema(n));
    case SavedFile::Document: return save_document(path, n);
    case SavedFile::Dictionary: return save_dictionary(path, n);
  }
  return Status::Error("unknown kind of file");
}

GenerationCheck check_generation(SavedFile file, const fs::path& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return failed("the file is gone");
  switch (file) {
    case SavedFile::Settings: return check_settings(path);
    case SavedFile::WordTable: return check_word_table(path);
    case SavedFile::TableRemake: return check_remade_table(path);
    case SavedFile::Document: return check_document(path);
    case SavedFile::Dictionary: return check_dictionary(path);
  }
  return failed("unknown kind of file");
}

}  // namespace quilm::test

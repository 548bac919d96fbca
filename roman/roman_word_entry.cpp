#include "roman/roman_word_entry.h"

#include <fstream>

#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "roman/roman_dictionary.h"
#include "roman/user_roman_words.h"

namespace quilm {
namespace {

bool ascii_letter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

Status append_copy_line(const std::filesystem::path& data_folder, const std::string& roman, BytesView gurmukhi) {
  const std::filesystem::path copy = data_folder / std::string(kRomanWordCopyFile);
  std::error_code error;
  if (!std::filesystem::is_regular_file(copy, error)) return Status::Ok();
  std::ofstream out(copy, std::ios::binary | std::ios::app);
  out << roman << ' ' << gurmukhi << "\r\n";
  out.flush();
  if (!out) return Status::Error("Cannot append to \"" + copy.string() + "\"");
  return Status::Ok();
}

}  // namespace

std::string first_roman_letters(std::u16string_view source) {
  std::string letters;
  std::size_t i = 0;
  while (i < source.size() && !ascii_letter(source[i])) ++i;
  for (; i < source.size() && ascii_letter(source[i]); ++i) letters.push_back(static_cast<char>(source[i]));
  return letters;
}

bool SearchWord(Table& table, std::string_view roman, BytesView gurmukhi) {
  if (!table.FindKey({FieldValue(Bytes(roman))})) return false;
  for (; !table.Eof(); table.Next()) {
    if (table.FieldByName("Roman").as_text() != roman) return false;
    if (table.FieldByName("Gurmukhi").as_text() == gurmukhi) return true;
  }
  return false;
}

Status add_roman_word(Table* shipped, const std::filesystem::path& data_folder, std::string_view roman,
                      BytesView gurmukhi, AddWordResult* result) {
  *result = AddWordResult::Nothing;
  const std::string spelling = lower_roman(roman);
  if (spelling.empty() || gurmukhi.empty()) return Status::Ok();
  if (shipped != nullptr && SearchWord(*shipped, spelling, gurmukhi)) {
    *result = AddWordResult::AlreadyPresent;
    return Status::Ok();
  }
  AddedWord added = AddedWord::AlreadyThere;
  if (Status st = add_user_roman_word(data_folder, spelling, to_utf8(GurToUnicode(gurmukhi)), nullptr, &added); !st)
    return st;
  if (added == AddedWord::AlreadyThere) {
    *result = AddWordResult::AlreadyPresent;
    return Status::Ok();
  }
  *result = AddWordResult::Added;
  return append_copy_line(data_folder, spelling, gurmukhi);
}

}  // namespace quilm

// The abbreviation table Abbr.db: the Gurmukhi names of the Roman letters
// (a ਏ, b ਬੀ ...) and common abbreviations, keyed by the lower-case Roman
// spelling ("Roman"), Gurmukhi in the pivot encoding ("Gurmukhi").
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

inline constexpr std::string_view kAbbreviationFile = "Abbr.db";

// How a word was read as an abbreviation.
enum class AbbreviationKind { None, Letter, Spelled, Known };

struct Abbreviation {
  AbbreviationKind kind = AbbreviationKind::None;
  Bytes pivot;
};

class Abbreviations {
 public:
  Status load(const std::filesystem::path& table_file);
  void add(std::string roman, Bytes pivot) { table_[std::move(roman)] = std::move(pivot); }
  // Check_abbr: one letter gives its name; a word of two or more capitals is
  // spelled letter by letter, each name followed by the full stop glyph; any
  // other word is looked up lower-cased (a Known abbreviation, which the
  // caller takes only before a full stop). A letter without a record is no
  // abbreviation.
  Abbreviation check(std::string_view word) const;

 private:
  std::optional<Bytes> letter_name(char letter) const;
  std::map<std::string, Bytes, std::less<>> table_;
};

}  // namespace quilm

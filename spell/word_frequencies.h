// PunjabiFreq.DB in memory: how often each word occurs in a corpus, keyed
// by the word's lookup spelling (convert_for_gurmukhi of its pivot bytes).
// The ranking of suggestions rewards frequent candidates.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"
#include "spell/word_sections.h"

namespace quilm {

inline constexpr std::string_view kFrequencyTableFile = "PunjabiFreq.DB";

class WordFrequencies {
 public:
  Status load(const std::filesystem::path& table_file);
  void set(BytesView word, std::int64_t count) { counts_[Bytes(word)] = count; }
  std::optional<std::int64_t> find(BytesView word) const {
    const auto it = counts_.find(word);
    if (it == counts_.end()) return std::nullopt;
    return it->second;
  }
  std::size_t size() const { return counts_.size(); }

 private:
  std::unordered_map<Bytes, std::int64_t, TransparentBytesHash, std::equal_to<>> counts_;
};

// Fills the empty table file made from data/tables/PunjabiFreq.DB.schema;
// counts of words with the same key are added together.
Status fill_frequency_table(const std::filesystem::path& table_file,
                            const std::vector<std::pair<Bytes, std::int64_t>>& counts);

}  // namespace quilm

// The trigram table of the Roman-to-Gurmukhi window (TriGram1.DBF): how
// often three pivot words follow each other in Punjabi text, read once into
// memory through a read-only handle. The queue that decides each word by the
// two words after it asks it for whole triples, and first asks whether any
// triple starts with a pair at all, which spares most of its searches.
#pragma once

#include <filesystem>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

inline constexpr std::string_view kWindowTrigramFile = "TriGram1.DBF";

class WindowTrigrams {
 public:
  // Reads the fields "ppword", "pword", "word" and "Count". A missing or
  // damaged table is an error and leaves the counts empty.
  Status load(const std::filesystem::path& table_file);
  void add(BytesView first, BytesView second, BytesView third, long count);

  // The count of the triple, 0 when it is not recorded.
  long count(BytesView first, BytesView second, BytesView third) const;
  // Whether some recorded triple starts with these two words.
  bool starts_with(BytesView first, BytesView second) const;
  bool empty() const { return counts_.empty(); }

 private:
  std::unordered_map<Bytes, long> counts_;  // "first\0second\0third"
  std::unordered_set<Bytes> openings_;      // "first\0second"
};

}  // namespace quilm

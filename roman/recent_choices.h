// The spellings the user chose lately for Roman words (filled by the typing
// pad): a ring of 100 pairs, keyed by the lower-cased Roman word.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace quilm {

class RecentChoices {
 public:
  static constexpr int kCapacity = 100;
  void add(std::string_view roman, BytesView chosen);
  void clear() { count_ = 0, write_ = -1; }
  // The first stored choice for `roman`, or nullopt.
  std::optional<Bytes> find(std::string_view roman) const;

 private:
  struct Choice {
    std::string roman;
    Bytes chosen;
  };
  std::array<Choice, kCapacity> ring_;
  int count_ = 0;
  int write_ = -1;
};

}  // namespace quilm

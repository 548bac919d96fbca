#include "common/whole_number.h"

#include <algorithm>
#include <charconv>

namespace quilm {
namespace {

constexpr std::size_t kLongestNumber = 9;  // keeps the number within an int

bool all_digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<int> parse_whole_number(std::string_view typed, int lowest, int highest) {
  if (typed.empty() || typed.size() > kLongestNumber || !all_digits(typed)) return std::nullopt;
  int value = 0;
  std::from_chars(typed.data(), typed.data() + typed.size(), value);
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

}  // namespace quilm

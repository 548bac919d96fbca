#include "sort/collation_order.h"

#include <algorithm>
#include <cstring>

#include "sort/sort_key.h"

namespace quilm {
namespace {

// The first eight key bytes as a big-endian number, so that most
// comparisons are one integer comparison instead of a walk over two keys.
std::uint64_t key_prefix(BytesView key) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < 8; ++i)
    prefix = (prefix << 8) | (i < key.size() ? static_cast<std::uint8_t>(key[i]) : 0u);
  return prefix;
}

int compare_bytes(BytesView a, BytesView b) {
  const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
  if (c != 0) return c;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

struct Entry {
  std::uint64_t prefix;
  std::uint32_t line;
};

}  // namespace

void KeyedLines::reserve(std::size_t lines, std::size_t key_bytes) {
  lines_.reserve(lines);
  key_ends_.reserve(lines);
  keys_.reserve(key_bytes);
}

void KeyedLines::add(BytesView line, BytesView pivot) {
  lines_.push_back(line);
  append_gurmukhi_sort_key(pivot, work_, keys_);
  key_ends_.push_back(static_cast<std::uint32_t>(keys_.size()));
}

void KeyedLines::add_with_key(BytesView line, BytesView key) {
  lines_.push_back(line);
  keys_.append(key);
  key_ends_.push_back(static_cast<std::uint32_t>(keys_.size()));
}

BytesView KeyedLines::key(std::size_t i) const {
  const std::uint32_t begin = i == 0 ? 0 : key_ends_[i - 1];
  return BytesView(keys_).substr(begin, key_ends_[i] - begin);
}

std::vector<std::size_t> KeyedLines::order(const CollationOrder& how) const {
  std::vector<Entry> entries(lines_.size());
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = {key_prefix(key(i)), static_cast<std::uint32_t>(i)};
  const auto before = [this, &how](const Entry& a, const Entry& b) {
    int c = a.prefix < b.prefix ? -1 : a.prefix > b.prefix ? 1 : 0;
    if (c == 0) c = compare_bytes(key(a.line), key(b.line));
    if (c == 0) c = compare_bytes(lines_[a.line], lines_[b.line]);
    if (c == 0) return a.line < b.line;  // equal lines keep their order either way
    return how.descending ? c > 0 : c < 0;
  };
  std::sort(entries.begin(), entries.end(), before);
  std::vector<std::size_t> order;
  order.reserve(entries.size());
  for (const Entry& e : entries) {
    if (how.unique && !order.empty() && key(order.back()) == key(e.line)) continue;
    order.push_back(e.line);
  }
  return order;
}

}  // namespace quilm

#include "spell/spelling_keys.h"

#include "encoding/byte_set.h"

namespace quilm::spelling_keys {
namespace {

enum class Key { K1, K2, K3 };

constexpr ByteSet kRewrittenK1{0x22, 0x2F, 0x42, 0x46, 0x47, 0x55, 0x5B, 0x5C, 0x5D, 0x68, 0x71, 0x7C, 0x7D, 0xA2, 0xE6};
constexpr ByteSet kRewrittenK2{0x22, 0x2F, 0x42, 0x46, 0x47, 0x5C, 0x5D, 0x71, 0x7C, 0x7D, 0xE6};
constexpr ByteSet kRewrittenK3{0x2F, 0x42, 0x46, 0x47, 0x5B, 0x5C, 0x5D, 0x71, 0x7C, 0x7D, 0xE6};
constexpr ByteSet kDroppedK1{0x2D, 0x51, 0x5A, 0x60, 0x61};
constexpr ByteSet kDroppedK2AfterFirst{0x2D, 0x49, 0x51, 0x5A, 0x5B, 0x60, 0x61, 0x66, 0xA2};
constexpr ByteSet kDroppedK3{0x2D, 0x51, 0x5A, 0x60, 0x61, 0x66};

std::uint8_t next_of(BytesView s, std::size_t i) { return i + 1 < s.size() ? static_cast<std::uint8_t>(s[i + 1]) : 0; }

// X already in the key followed by `sign` becomes I sign before X.
void sihari_before_last(Bytes& key) {
  if (key.empty()) {
    key.push_back('\x66');
    return;
  }
  const char last = key.back();
  key.back() = '\x66';
  key.push_back(last);
}

// Table R, for a byte the key rewrites.
void rewrite_R(BytesView s, std::size_t i, Bytes& key) {
  const std::uint8_t b = static_cast<std::uint8_t>(s[i]);
  switch (b) {
    case 0x22: key.push_back('\x27'); break;
    case 0x2F: key.push_back(next_of(s, i) == 0x6A ? '\x2F' : '\x3F'); break;
    case 0x42: key.push_back('\x44'); break;
    case 0x47: key.push_back(i == 0 ? '\x47' : '\x70'); break;
    case 0x55: key.push_back('\xA2'); break;
    case 0x5C: key.push_back('\x63'); break;
    case 0x5D: key.push_back('\x79'); break;
    case 0x68: if (i != 0) sihari_before_last(key); break;
    case 0x71: key.push_back('\x6F'); break;
    case 0x7C: key.push_back('\x72'); break;
    case 0x7D: key.push_back('\x69'); break;
    case 0xA2: key += "\x54\x7B"; break;
    case 0xE6: key.push_back('\x62'); break;
    default: key.push_back(static_cast<char>(b)); break;
  }
}

bool aa_after_initial_a(BytesView s, std::size_t i) {
  return i == 1 && static_cast<std::uint8_t>(s[0]) == 0x6E && static_cast<std::uint8_t>(s[1]) == 0x6B;
}

Bytes key_R(BytesView s, Key which) {
  const ByteSet& rewritten = which == Key::K1 ? kRewrittenK1 : which == Key::K2 ? kRewrittenK2 : kRewrittenK3;
  Bytes key;
  key.reserve(s.size() + 2);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::uint8_t b = static_cast<std::uint8_t>(s[i]);
    if (aa_after_initial_a(s, i)) continue;
    if (which == Key::K1 && kDroppedK1.contains(b)) continue;
    if (which == Key::K2 && i > 0 && kDroppedK2AfterFirst.contains(b)) continue;
    if (which == Key::K3 && kDroppedK3.contains(b)) continue;
    if (!rewritten.contains(b)) {
      key.push_back(static_cast<char>(b));
    } else if (b == 0x46) {
      key.push_back(which != Key::K1 && i == 0 ? '\x46' : '\x3B');
    } else if (b == 0x5B && which == Key::K1) {
      key.push_back('\x7B');
    } else if (b == 0x5B && which == Key::K3) {
      key.push_back('\x27');
    } else {
      rewrite_R(s, i, key);
    }
  }
  return key;
}

}  // namespace

Bytes K1(BytesView s) { return key_R(s, Key::K1); }
Bytes K2(BytesView s) { return key_R(s, Key::K2); }
Bytes K3(BytesView s) { return key_R(s, Key::K3); }

Bytes K4(BytesView s) {
  Bytes key;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::uint8_t b = static_cast<std::uint8_t>(s[i]);
    if (b == 0x22) key += "\x6B\xA2";
    else if (b == 0x2F && i > 0 && next_of(s, i) == 0x6A) sihari_before_last(key);
    else if (b == 0x3F && next_of(s, i) == 0x6A) key.push_back('\x66');
    else if (b == 0x55) key.push_back('\xA2');
    else key.push_back(static_cast<char>(b));
  }
  return key;
}

Bytes K5(BytesView s) {
  Bytes key;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::uint8_t b = static_cast<std::uint8_t>(s[i]);
    if (b != 0x2F) key.push_back(static_cast<char>(b));
    else if (i > 0) sihari_before_last(key);
  }
  return key;
}

Bytes P(BytesView s) {
  Bytes out(s);
  for (char& c : out) {
    switch (static_cast<std::uint8_t>(c)) {
      case 0x5C: c = '\x63'; break;
      case 0x5D: c = '\x79'; break;
      case 0x7C: c = '\x72'; break;
      case 0xE6: c = '\x62'; break;
      default: break;
    }
  }
  return out;
}

std::optional<std::uint8_t> NP(std::uint8_t b) {
  constexpr std::uint8_t n1[] = {0x3B, 0x62, 0x63, 0x69, 0x72, 0x79};
  constexpr std::uint8_t n2[] = {0x46, 0xE6, 0x5C, 0x7D, 0x7C, 0x5D};
  for (int i = 0; i < 6; ++i) {
    if (b == n1[i]) return n2[i];
    if (b == n2[i]) return n1[i];
  }
  return std::nullopt;
}

bool in_nukta_sets(std::uint8_t b) { return NP(b).has_value(); }

std::optional<std::uint8_t> CP(std::uint8_t b) {
  constexpr std::uint8_t pairs[][2] = {{0x42, 0x44}, {0x71, 0x6F}, {0x70, 0x47}, {0x22, 0x27}, {0x2F, 0x3F},
                                       {0x5B, 0x7B}, {0x4D, 0x69}, {0x58, 0x64}, {0x76, 0x59}, {0x72, 0x78}};
  for (const auto& p : pairs) {
    if (b == p[0]) return p[1];
    if (b == p[1]) return p[0];
  }
  if (b == 0x3A) return std::uint8_t{0x6E};
  return std::nullopt;
}

}  // namespace quilm::spelling_keys

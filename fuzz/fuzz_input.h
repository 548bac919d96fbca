// Splitting a fuzzer's input into choices and the bytes that follow them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/bytes.h"

namespace quilm::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // The next byte as a choice (0 once the input is used up).
  std::uint8_t take_byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }

  // Everything not yet taken.
  BytesView rest() const { return BytesView(reinterpret_cast<const char*>(data_), size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

inline BytesView as_bytes(const std::uint8_t* data, std::size_t size) {
  return BytesView(reinterpret_cast<const char*>(data), size);
}

}  // namespace quilm::fuzz

// Scratch room for the output of one reader or writer call: on the stack for
// a word or a line (the usual call), on the heap for longer text. It is
// never zero-filled; the engines write every byte they later return.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/bytes.h"

namespace quilm {

class ConversionBuffer {
 public:
  explicit ConversionBuffer(std::size_t capacity)
      : heap_(capacity > kOnStack ? std::make_unique_for_overwrite<std::uint8_t[]>(capacity) : nullptr),
        size_(capacity) {}
  ConversionBuffer(const ConversionBuffer&) = delete;
  ConversionBuffer& operator=(const ConversionBuffer&) = delete;

  std::uint8_t* data() { return heap_ ? heap_.get() : stack_; }
  std::size_t size() const { return size_; }  // the room asked for
  Bytes bytes(std::size_t size) { return Bytes(reinterpret_cast<const char*>(data()), size); }

 private:
  static constexpr std::size_t kOnStack = 4096;
  std::uint8_t stack_[kOnStack];
  std::unique_ptr<std::uint8_t[]> heap_;
  std::size_t size_;
};

}  // namespace quilm

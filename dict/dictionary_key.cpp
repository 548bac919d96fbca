#include "dict/dictionary_key.h"

#include <string>

#include "sort/sort_key.h"

namespace quilm {

Bytes dictionary_key(BytesView word) {
  Bytes out;
  for (char b : ConvertGurmukhiToSort(word)) out += std::to_string(static_cast<unsigned char>(b));
  return out;
}

}  // namespace quilm

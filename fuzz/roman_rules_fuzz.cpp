// The Roman-to-Gurmukhi rules and the spelling generation on any ASCII
// word: the first byte chooses the routine. Each must end, read nothing
// past the word and give a bounded result.
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "roman/roman_rules.h"
#include "roman/spelling_generation.h"

namespace {

void check(bool bounded) {
  if (!bounded) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput input(data, size);
  const std::uint8_t choice = input.take_byte();
  std::string word(input.rest());
  for (char& c : word) c = static_cast<char>(c & 0x7F);
  const quilm::RomanKnownWords nothing_known(nullptr, nullptr);
  switch (choice % 4) {
    case 0:
      check(quilm::spell_roman_by_rules(word, quilm::RomanEngine::Full).size() <= 5 * word.size() + 8);
      break;
    case 1:
      check(quilm::spell_roman_by_rules(word, quilm::RomanEngine::Simple).size() <= 5 * word.size() + 8);
      break;
    case 2:
      check(quilm::roman_forms(word.substr(0, 48), nothing_known).size() <= quilm::kMostRomanForms);
      break;
    default: {
      const quilm::Bytes pivot = quilm::spell_roman_by_rules(word, quilm::RomanEngine::Simple);
      check(quilm::GenerateAddakForms(pivot).size() < pivot.size() + 1);
      check(quilm::GenerateChhForms(pivot).size() <= pivot.size());
    }
  }
  return 0;
}

// The settings file parser on any bytes; settings it reads whole are written
// and must read back the same.
#include "app/settings.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const quilm::SettingsRead read = quilm::parse_settings(quilm::fuzz::as_bytes(data, size));
  if (!read.status.ok()) return 0;
  const quilm::SettingsRead again = quilm::parse_settings(quilm::format_settings(read.settings));
  if (!again.status.ok() || !(again.settings == read.settings)) __builtin_trap();
  return 0;
}

#pragma once

namespace quilm::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kBadInput = 1;
inline constexpr int kUsage = 2;

}  // namespace quilm::cli

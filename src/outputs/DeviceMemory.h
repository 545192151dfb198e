#pragma once

#include <cstdint>

namespace cfq {

// Device addresses at which the updater places the two configuration images.
// The process-data image stores absolute addresses computed from its base,
// and the parameter image records that base, so both must agree with the
// start addresses of the updater job file.
inline constexpr std::uint32_t kParameterImageAddress = 0x07000;
inline constexpr std::uint32_t kProcessImageAddress = 0x80000;

} // namespace cfq

#pragma once

#include <cstddef>
#include <cstdint>

// Where the two configuration images live in the device's memory and how
// large they may be. The updater job file names the same load addresses.
namespace cfq::device {

// Load address of bank1.bin, the parameter image.
inline constexpr std::uint32_t kParameterImageAddress = 0x07000;
// Load address of bank2.bin, the process-data image; every address stored
// inside that image is this base plus the offset of the addressed byte.
inline constexpr std::uint32_t kProcessDataBase = 0x80000;

inline constexpr std::size_t kParameterImageSize = 2048;
inline constexpr std::size_t kProcessDataImageCapacity = 131072;

// Data model of the process-data image.
inline constexpr std::size_t kEntriesPerDirection = 256;
inline constexpr std::size_t kGroupsPerDirection = 16;
inline constexpr std::size_t kSiiConfigBytes = 14;

// Offsets of the regions of bank2.bin.
inline constexpr std::uint32_t kHeaderSize = 40;
inline constexpr std::uint32_t kEntrySize = 32;
inline constexpr std::uint32_t kSlaveToMasterTableOffset = kHeaderSize;
inline constexpr std::uint32_t kMasterToSlaveTableOffset =
    kSlaveToMasterTableOffset + kEntriesPerDirection * kEntrySize;
inline constexpr std::uint32_t kGroupTableOffset =
    kMasterToSlaveTableOffset + kEntriesPerDirection * kEntrySize;
// Two address lists of 16 slots, the two counts and two spare bytes.
inline constexpr std::uint32_t kEmptyStringOffset = kGroupTableOffset + 2 * kGroupsPerDirection * 4 + 4;
inline constexpr std::uint32_t kStringAreaOffset = kEmptyStringOffset + 1;
// Length of an image without names and initial values.
inline constexpr std::uint32_t kFixedProcessDataSize = kStringAreaOffset;

static_assert(kGroupTableOffset == 0x4028);
static_assert(kEmptyStringOffset == 0x40AC);
static_assert(kFixedProcessDataSize == 16557);

} // namespace cfq::device

namespace cfq::device {

// Where the compiler writes the images inside the project folder; the
// updater job file names them by the same paths.
inline constexpr const char* kImageFolder = "bin";
inline constexpr const char* kParameterImageFile = "bank1.bin";
inline constexpr const char* kProcessDataImageFile = "bank2.bin";

} // namespace cfq::device

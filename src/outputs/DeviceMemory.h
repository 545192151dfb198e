#pragma once

#include <array>
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

// Fields of the header of bank2.bin.
inline constexpr std::uint32_t kHeaderNodeAddress = 14;      // 2 bytes
inline constexpr std::uint32_t kHeaderClearData = 16;        // 1 byte, 3 spare bytes follow
inline constexpr std::uint32_t kHeaderGroupTableAddress = 20; // 4 bytes
inline constexpr std::uint32_t kHeaderRevision = 24;          // 4 bytes
inline constexpr std::uint32_t kHeaderSlaveToMasterCount = 28; // 2 bytes
inline constexpr std::uint32_t kHeaderMasterToSlaveCount = 30; // 2 bytes
inline constexpr std::uint32_t kHeaderSlaveToMasterTable = 32; // 4 bytes
inline constexpr std::uint32_t kHeaderMasterToSlaveTable = 36; // 4 bytes

// Fields of a table entry: four single bytes, then seven 4-byte numbers.
inline constexpr std::uint32_t kEntryDataType = 0;
inline constexpr std::uint32_t kEntryLength = 1;
inline constexpr std::uint32_t kEntryAccess = 2;
inline constexpr std::uint32_t kEntryBitAddress = 3;
inline constexpr std::uint32_t kEntryPosition = 4;
inline constexpr std::uint32_t kEntrySubindex = 8;
inline constexpr std::uint32_t kEntryIndex = 12;
inline constexpr std::uint32_t kEntryGroupIndex = 16;
inline constexpr std::uint32_t kEntryInitValueAddress = 20;
inline constexpr std::uint32_t kEntryNameLength = 24;
inline constexpr std::uint32_t kEntryNameAddress = 28;

// The group table: the name addresses of the slave-to-master groups, then of
// the master-to-slave groups, then one count byte per direction.
inline constexpr std::uint32_t kGroupCountsOffset = kGroupTableOffset + 2 * kGroupsPerDirection * 4;

static_assert(kGroupTableOffset == 0x4028);
static_assert(kEmptyStringOffset == 0x40AC);
static_assert(kFixedProcessDataSize == 16557);
static_assert(kHeaderMasterToSlaveTable + 4 == kHeaderSize);
static_assert(kEntryNameAddress + 4 == kEntrySize);

// Offsets of the fields of the parameter image bank1.bin.
namespace bank1 {
inline constexpr std::size_t kIpAddress = 0x028;
inline constexpr std::size_t kSubnetMask = 0x02C;
inline constexpr std::size_t kGateway = 0x030;
inline constexpr std::size_t kSlaveName = 0x050;
inline constexpr std::size_t kSlaveNameField = 16;
inline constexpr std::size_t kSerialInterface = 0x061;
inline constexpr std::size_t kBaudRate = 0x190;
inline constexpr std::size_t kParity = 0x1A8;
inline constexpr std::size_t kStopBits = 0x1AE;
inline constexpr std::size_t kDhcpFlags = 0x4E8;
inline constexpr std::size_t kDeviceName = 0x514;
inline constexpr std::size_t kDeviceNameField = 32;
inline constexpr std::size_t kSecondaryDns = 0x53C;
inline constexpr std::size_t kPrimaryDns = 0x58C;
inline constexpr std::size_t kConfigurationVersion = 0x66C;
inline constexpr std::size_t kProcessDataAddress = 0x6F0;
inline constexpr std::size_t kChecksum = 0x7FC;

// Numbers of the block shared by the product line that this model does not
// set from the documents.
struct FixedNumber
{
    std::size_t offset;
    std::size_t width;
    std::uint32_t value;
};

inline constexpr std::array<FixedNumber, 14> kFixedNumbers = {{{0x000, 4, 250000},
                                                               {0x004, 4, 250000},
                                                               {0x00C, 4, 9600},
                                                               {0x034, 2, 10000},
                                                               {0x036, 2, 10001},
                                                               {0x038, 2, 10001},
                                                               {0x1B4, 1, 8},
                                                               {0x1B5, 1, 8},
                                                               {0x1B6, 1, 8},
                                                               {0x1B7, 1, 8},
                                                               {0x1B8, 1, 8},
                                                               {0x1B9, 1, 8},
                                                               {0x1BA, 1, 8},
                                                               {0x1BB, 1, 8}}};
} // namespace bank1

} // namespace cfq::device

namespace cfq::device {

// Where the compiler writes the images inside the project folder; the
// updater job file names them by the same paths.
inline constexpr const char* kImageFolder = "bin";
inline constexpr const char* kParameterImageFile = "bank1.bin";
inline constexpr const char* kProcessDataImageFile = "bank2.bin";

} // namespace cfq::device

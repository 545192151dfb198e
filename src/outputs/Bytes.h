#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace cfq::outputs {

using Bytes = std::vector<std::uint8_t>;

// Appends the low `width` bytes of value, least significant byte first, as
// every number of the device images is stored.
inline void appendLittleEndian(Bytes& out, std::uint64_t value, std::size_t width)
{
    for (std::size_t k = 0; k < width; ++k)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

// Stores the low `width` bytes of value at `offset`, least significant first.
inline void storeLittleEndian(std::uint8_t* at, std::uint64_t value, std::size_t width)
{
    for (std::size_t k = 0; k < width; ++k)
        at[k] = static_cast<std::uint8_t>(value >> (8 * k));
}

inline std::string_view asText(const Bytes& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace cfq::outputs

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cfq::langpack {

struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// A picture as rows of pixels, top row first.
struct Raster
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The flags shipped with the language files, with a thin dark frame.
Raster englishFlag();
Raster italianFlag();
Raster germanFlag();
// The picture of a language without a flag of its own: a globe.
Raster defaultFlag();

// The picture as a 24-bit uncompressed Windows bitmap file.
std::string bmpFile(const Raster& picture);

} // namespace cfq::langpack

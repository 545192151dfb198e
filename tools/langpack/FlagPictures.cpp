#include "FlagPictures.h"

#include <cmath>
#include <functional>

namespace cfq::langpack {
namespace {

constexpr Rgb kFrame{80, 80, 80};
constexpr Rgb kWhite{255, 255, 255};

// Paints every pixel with the colour that paint gives for its centre, in
// coordinates from 0 to 1 across and down, then draws the frame.
Raster paint(int width, int height, const std::function<Rgb(double u, double v)>& colourAt)
{
    Raster picture{width, height, {}};
    picture.pixels.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            picture.pixels.push_back(frame ? kFrame : colourAt((x + 0.5) / width, (y + 0.5) / height));
        }
    }
    return picture;
}

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

Raster englishFlag()
{
    // The Union Flag on a 60 x 30 grid: blue field, white saltire with a red
    // one inside, white cross with a red one inside.
    return paint(48, 24, [](double u, double v) {
        const double x = u * 60;
        const double y = v * 30;
        const double toDiagonal = std::min(std::abs(x - 2 * y), std::abs(x + 2 * y - 60)) / std::sqrt(5.0);
        const double toCross = std::min(std::abs(x - 30), std::abs(y - 15));
        if (toCross < 3)
            return Rgb{200, 16, 46};
        if (toCross < 5)
            return kWhite;
        if (toDiagonal < 1)
            return Rgb{200, 16, 46};
        if (toDiagonal < 3)
            return kWhite;
        return Rgb{1, 33, 105};
    });
}

Raster italianFlag()
{
    return paint(48, 32, [](double u, double) {
        if (u < 1.0 / 3)
            return Rgb{0, 140, 69};
        if (u < 2.0 / 3)
            return Rgb{244, 245, 240};
        return Rgb{205, 33, 42};
    });
}

Raster germanFlag()
{
    return paint(48, 30, [](double, double v) {
        if (v < 1.0 / 3)
            return Rgb{0, 0, 0};
        if (v < 2.0 / 3)
            return Rgb{221, 0, 0};
        return Rgb{255, 206, 0};
    });
}

Raster defaultFlag()
{
    // A white globe outline with equator and meridians on a blue-grey field.
    return paint(48, 32, [](double u, double v) {
        const double x = u * 48 - 24;
        const double y = v * 32 - 16;
        const double radius = 11;
        const double distance = std::hypot(x, y);
        const bool outline = std::abs(distance - radius) < 0.8;
        const bool inside = distance < radius;
        const bool equator = inside && std::abs(y) < 0.6;
        const bool meridian = inside && std::abs(x) < 0.6;
        const bool curvedMeridian = std::abs(std::hypot(x / 5.5, y / radius) - 1) < 0.08;
        if (outline || equator || meridian || curvedMeridian)
            return kWhite;
        return Rgb{70, 110, 160};
    });
}

std::string bmpFile(const Raster& picture)
{
    constexpr std::uint32_t kHeadersSize = 14 + 40;
    const std::uint32_t rowSize = static_cast<std::uint32_t>((picture.width * 3 + 3) / 4 * 4);
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(picture.height);

    std::string out = "BM";
    appendLittleEndian(out, kHeadersSize + imageSize, 4);
    appendLittleEndian(out, 0, 4); // reserved
    appendLittleEndian(out, kHeadersSize, 4);
    appendLittleEndian(out, 40, 4); // size of the information header
    appendLittleEndian(out, static_cast<std::uint32_t>(picture.width), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(picture.height), 4); // rows stored bottom-up
    appendLittleEndian(out, 1, 2);                                          // planes
    appendLittleEndian(out, 24, 2);                                         // bits per pixel
    appendLittleEndian(out, 0, 4);                                          // no compression
    appendLittleEndian(out, imageSize, 4);
    appendLittleEndian(out, 2835, 4); // 72 dots per inch, across
    appendLittleEndian(out, 2835, 4); // and down
    appendLittleEndian(out, 0, 4);    // colours used
    appendLittleEndian(out, 0, 4);    // important colours
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& pixel = picture.at(x, y);
            out.push_back(static_cast<char>(pixel.blue));
            out.push_back(static_cast<char>(pixel.green));
            out.push_back(static_cast<char>(pixel.red));
        }
        out.append(rowSize - static_cast<std::uint32_t>(picture.width * 3), '\0');
    }
    return out;
}

} // namespace cfq::langpack

#include "outputs/EsiIcon.h"

#include <array>
#include <string_view>

namespace cfq::outputs {
namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 14;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRowSize = kWidth * 3; // a multiple of 4: no padding
constexpr std::uint32_t kPixelBytes = kRowSize * kHeight;
constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dpi

// Top row first.
constexpr std::array<std::string_view, kHeight> kPicture = {
    "..############..", //
    ".#BBBBBBBBBBBB#.", //
    "#BBBBBBBBBWBBBB#", //
    "#BBBBBBBBBWWBBB#", //
    "#BBWWWWWWWWWWBB#", //
    "#BBBBBBBBBWWBBB#", //
    "#BBBBBBBBBWBBBB#", //
    "#BBBBOBBBBBBBBB#", //
    "#BBBOOBBBBBBBBB#", //
    "#BBOOOOOOOOOOBB#", //
    "#BBBOOBBBBBBBBB#", //
    "#BBBBOBBBBBBBBB#", //
    ".#BBBBBBBBBBBB#.", //
    "..############..", //
};

constexpr bool everyRowIsFull()
{
    for (std::string_view row : kPicture) {
        if (row.size() != kWidth)
            return false;
    }
    return true;
}
static_assert(everyRowIsFull());

struct Colour
{
    std::uint8_t red, green, blue;
};

Colour colourOf(char pixel)
{
    switch (pixel) {
    case '#':
        return {0, 32, 96};
    case 'B':
        return {0, 90, 170};
    case 'O':
        return {255, 150, 0};
    default:
        return {255, 255, 255};
    }
}

} // namespace

Bytes esiIconBitmap()
{
    Bytes bmp;
    bmp.push_back('B');
    bmp.push_back('M');
    appendLittleEndian(bmp, kFileHeaderSize + kInfoHeaderSize + kPixelBytes, 4);
    appendLittleEndian(bmp, 0, 4);
    appendLittleEndian(bmp, kFileHeaderSize + kInfoHeaderSize, 4);

    appendLittleEndian(bmp, kInfoHeaderSize, 4);
    appendLittleEndian(bmp, kWidth, 4);
    appendLittleEndian(bmp, kHeight, 4); // positive: rows stored bottom-up
    appendLittleEndian(bmp, 1, 2);       // planes
    appendLittleEndian(bmp, 24, 2);      // bits per pixel
    appendLittleEndian(bmp, 0, 4);       // no compression
    appendLittleEndian(bmp, kPixelBytes, 4);
    appendLittleEndian(bmp, kPixelsPerMetre, 4);
    appendLittleEndian(bmp, kPixelsPerMetre, 4);
    appendLittleEndian(bmp, 0, 4); // colours used
    appendLittleEndian(bmp, 0, 4); // important colours

    for (auto row = kPicture.rbegin(); row != kPicture.rend(); ++row) {
        for (char pixel : *row) {
            const Colour colour = colourOf(pixel);
            bmp.push_back(colour.blue);
            bmp.push_back(colour.green);
            bmp.push_back(colour.red);
        }
    }
    return bmp;
}

const std::string& esiIconHex()
{
    static const std::string hex = [] {
        constexpr std::string_view kDigits = "0123456789abcdef";
        std::string text;
        for (std::uint8_t byte : esiIconBitmap()) {
            text.push_back(kDigits[byte >> 4]);
            text.push_back(kDigits[byte & 0x0F]);
        }
        return text;
    }();
    return hex;
}

} // namespace cfq::outputs

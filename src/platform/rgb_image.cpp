#include "platform/rgb_image.h"

#include <cstddef>

void Widen16(std::uint16_t pixel, bool is565, std::uint8_t* rgb)
{
    auto widen5 = [](unsigned c) { return static_cast<std::uint8_t>(c << 3 | c >> 2); };
    auto widen6 = [](unsigned c) { return static_cast<std::uint8_t>(c << 2 | c >> 4); };
    const unsigned p = pixel;
    rgb[0] = widen5(is565 ? p >> 11 : (p >> 10) & 31);
    rgb[1] = is565 ? widen6((p >> 5) & 63) : widen5((p >> 5) & 31);
    rgb[2] = widen5(p & 31);
}

RgbImage Expand16(const std::uint16_t* pixels, int width, int height, bool is565)
{
    RgbImage image;
    if (width <= 0 || height <= 0) return image;
    image.width = width;
    image.height = height;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    image.rgb.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i) Widen16(pixels[i], is565, &image.rgb[i * 3]);
    return image;
}

#include "platform/sdl/texture_pixels.h"

#include <array>

#include "platform/rgb_image.h"

namespace sdlhost {

namespace {

using Table565 = std::array<std::uint32_t, 65536>;

const Table565& XrgbTable()
{
    static const Table565 table = [] {
        Table565 built{};
        for (std::uint32_t pixel = 0; pixel < built.size(); ++pixel) {
            std::uint8_t rgb[3];
            Widen16(static_cast<std::uint16_t>(pixel), true, rgb);
            built[pixel] = std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2];
        }
        return built;
    }();
    return table;
}

}  // namespace

std::uint32_t Xrgb8888From565(std::uint16_t pixel)
{
    return XrgbTable()[pixel];
}

void ConvertRow565ToXrgb8888(const std::uint16_t* source, std::uint32_t* target, std::size_t count)
{
    const Table565& table = XrgbTable();
    for (std::size_t i = 0; i < count; ++i) {
        target[i] = table[source[i]];
    }
}

}  // namespace sdlhost

#include "platform/sdl/texture_pixels.h"

#include <array>

namespace sdlhost {

namespace {

using Table565 = std::array<std::uint32_t, 65536>;

const Table565& XrgbTable()
{
    static const Table565 table = [] {
        Table565 built{};
        for (std::uint32_t pixel = 0; pixel < built.size(); ++pixel) {
            const std::uint32_t red = pixel >> 11;
            const std::uint32_t green = (pixel >> 5) & 0x3F;
            const std::uint32_t blue = pixel & 0x1F;
            built[pixel] = ((red << 3 | red >> 2) << 16) | ((green << 2 | green >> 4) << 8) | (blue << 3 | blue >> 2);
        }
        return built;
    }();
    return table;
}

}  // namespace

TextureLayout ChooseTextureLayout(bool softwareRenderer, bool rendererLists565, bool windowIs565)
{
    const bool native565 = softwareRenderer ? windowIs565 : rendererLists565;
    return native565 ? TextureLayout::Rgb565 : TextureLayout::Xrgb8888;
}

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

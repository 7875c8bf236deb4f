#include "platform/frame_crc.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::size_t kFramePixels = 640 * 480;

}  // namespace

std::uint32_t FrameCrc32(const std::uint16_t* pixels)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    auto add = [&](std::uint8_t byte) { crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8); };
    for (std::size_t i = 0; i < kFramePixels; ++i) {
        add(static_cast<std::uint8_t>(pixels[i] & 0xFF));
        add(static_cast<std::uint8_t>(pixels[i] >> 8));
    }
    return crc ^ 0xFFFFFFFFu;
}

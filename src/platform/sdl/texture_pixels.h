// The display's texture: in 5-6-5 when the renderer takes that as it is, otherwise in
// XRGB8888, converted here through a table so that no per-pixel blit of SDL's has to.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sdlhost {

enum class TextureLayout { Rgb565, Xrgb8888 };

// A 5-6-5 pixel as XRGB8888, each channel widened by repeating its top bits (white stays white).
std::uint32_t Xrgb8888From565(std::uint16_t pixel);
void ConvertRow565ToXrgb8888(const std::uint16_t* source, std::uint32_t* target, std::size_t count);

}  // namespace sdlhost

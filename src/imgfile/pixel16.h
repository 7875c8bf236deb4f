// The two 16-bit pixel layouts of the game, made from 8-bit channels by cutting off the low
// bits, exactly as the background picture is converted; shared by the readers and writers.
#pragma once

#include <cstdint>

// Red bits 15-11, green 10-5, blue 4-0.
constexpr std::uint16_t Rgb565(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<std::uint16_t>((red & 0xF8) << 8 | (green & 0xFC) << 3 | blue >> 3);
}

// Red bits 14-10, green 9-5, blue 4-0; bit 15 stays 0.
constexpr std::uint16_t Rgb555(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<std::uint16_t>((red & 0xF8) << 7 | (green & 0xF8) << 2 | blue >> 3);
}

constexpr std::uint16_t RgbTo16(std::uint8_t red, std::uint8_t green, std::uint8_t blue, bool is565) {
    return is565 ? Rgb565(red, green, blue) : Rgb555(red, green, blue);
}

// The largest picture side any reader accepts, so a declared size cannot exhaust memory.
constexpr unsigned MaxPictureSide = 4096;

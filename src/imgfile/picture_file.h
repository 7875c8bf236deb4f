// The background picture file: a 128-byte PCX head of which only Xmax and Ymax count, then
// scan lines of three run-length encoded plane rows (red, green, blue) of width bytes each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

inline constexpr std::size_t PictureHeadSize = 128;

struct PictureHead {
    long fileLength = 0;
    std::uint16_t xMax = 0;
    std::uint16_t yMax = 0;
    std::uint16_t Width() const { return static_cast<std::uint16_t>(xMax + 1); }
    std::uint16_t Height() const { return static_cast<std::uint16_t>(yMax + 1); }
};

enum class PictureFault {
    None,
    Damaged,              // shorter than its head, or a side of 0 in 16 bits
    WidthNotMultipleOf4,
    TooLarge,             // a side over 4096
};

// The file's length and the two sizes (each 0 when it cannot be read).
PictureHead ReadPictureHead(std::FILE* file);
// Why a picture with this head cannot be loaded, checked before anything is allocated.
PictureFault CheckPictureHead(const PictureHead& head);
// The encoded data after the head, at most as much as the picture could ever consume.
std::vector<std::uint8_t> ReadPictureData(std::FILE* file, const PictureHead& head);
struct PictureDecoding {
    unsigned scanLines = 0;  // scan lines completed; fewer than the height when data ran out
    unsigned cutRuns = 0;    // runs that would have crossed the end of their plane row
};

// Decodes into width x height pixels (zero beforehand) in the display's layout. Runs are cut
// at the end of their plane row; scan lines the data does not complete stay as they were.
PictureDecoding DecodePicture(const std::vector<std::uint8_t>& data, std::uint16_t width, std::uint16_t height,
                   bool is565, std::uint16_t* picture);

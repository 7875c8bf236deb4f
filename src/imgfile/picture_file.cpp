#include "imgfile/picture_file.h"

#include <algorithm>

#include "imgfile/pixel16.h"

namespace {

constexpr std::uint8_t RunMark = 0xC0;
constexpr std::uint16_t SideOfZero = 0xFFFF;  // Xmax or Ymax that wraps to a side of 0

std::uint16_t ReadWord(std::FILE* file) {
    std::uint8_t bytes[2] = {};
    std::fread(bytes, 1, sizeof bytes, file);
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

}  // namespace

PictureHead ReadPictureHead(std::FILE* file) {
    PictureHead head;
    if (std::fseek(file, 0, SEEK_END) == 0) head.fileLength = std::ftell(file);
    std::fseek(file, 8, SEEK_SET);
    head.xMax = ReadWord(file);
    head.yMax = ReadWord(file);
    // A head that cannot be read at all (a folder of that name, a failing disk) is damaged.
    if (std::ferror(file)) head.fileLength = 0;
    return head;
}

PictureFault CheckPictureHead(const PictureHead& head) {
    if (head.fileLength < static_cast<long>(PictureHeadSize) || head.xMax == SideOfZero || head.yMax == SideOfZero)
        return PictureFault::Damaged;
    if (head.Width() % 4 != 0) return PictureFault::WidthNotMultipleOf4;
    if (head.Width() > MaxPictureSide || head.Height() > MaxPictureSide) return PictureFault::TooLarge;
    return PictureFault::None;
}

std::vector<std::uint8_t> ReadPictureData(std::FILE* file, const PictureHead& head) {
    // Every step of the decoder takes at most two bytes and yields at least one value.
    const std::size_t mostUsed = std::size_t{6} * head.Width() * head.Height();
    std::vector<std::uint8_t> data(std::min(static_cast<std::size_t>(head.fileLength) - PictureHeadSize, mostUsed));
    std::fseek(file, static_cast<long>(PictureHeadSize), SEEK_SET);
    data.resize(std::fread(data.data(), 1, data.size(), file));
    return data;
}

PictureDecoding DecodePicture(const std::vector<std::uint8_t>& data, std::uint16_t width, std::uint16_t height,
                              bool is565, std::uint16_t* picture) {
    PictureDecoding decoding;
    std::vector<std::uint8_t> planeRows(std::size_t{3} * width);  // red, green, blue
    std::size_t i = 0;
    unsigned column = 0;
    unsigned plane = 0;
    unsigned& y = decoding.scanLines;  // the scan line being decoded
    while (y < height && i < data.size()) {
        std::uint8_t* row = planeRows.data() + plane * width;
        const std::uint8_t b = data[i];
        if (b > RunMark) {
            if (++i == data.size()) break;  // a run header with no value behind it
            const unsigned declared = b - RunMark;
            const unsigned run = std::min(declared, width - column);
            if (run < declared) ++decoding.cutRuns;
            std::fill_n(row + column, run, data[i]);
            column += run;
        } else {
            row[column++] = b;
        }
        ++i;
        if (column < width) continue;
        column = 0;
        if (++plane < 3) continue;
        plane = 0;
        const std::uint8_t* red = planeRows.data();
        const std::uint8_t* green = red + width;
        const std::uint8_t* blue = green + width;
        std::uint16_t* line = picture + static_cast<std::size_t>(y) * width;
        for (unsigned x = 0; x < width; ++x) line[x] = RgbTo16(red[x], green[x], blue[x], is565);
        ++y;
    }
    return decoding;
}

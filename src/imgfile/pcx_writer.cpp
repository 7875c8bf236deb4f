#include "imgfile/pcx_writer.h"

#include <cstdint>

#include "imgfile/image_file.h"

namespace {

constexpr std::size_t HeaderSize = 128;
constexpr unsigned LongestRun = 63;
constexpr std::uint8_t RunMark = 0xC0;

std::vector<std::uint8_t> PcxHeader(const RgbImage& image) {
    std::vector<std::uint8_t> header;
    header.reserve(HeaderSize);
    header.push_back(10);  // manufacturer
    header.push_back(5);   // version
    header.push_back(1);   // run-length encoding
    header.push_back(8);   // bits per pixel in each plane
    PutWord(header, 0);    // Xmin
    PutWord(header, 0);    // Ymin
    PutWord(header, static_cast<unsigned>(image.width - 1));
    PutWord(header, static_cast<unsigned>(image.height - 1));
    PutWord(header, 72);  // resolution
    PutWord(header, 72);
    header.resize(header.size() + 48, 0);  // 16-colour palette, unused at 24 bits
    header.push_back(0);                   // reserved
    header.push_back(3);                   // planes: red, green, blue
    PutWord(header, static_cast<unsigned>(image.width));  // bytes per plane row
    PutWord(header, 1);                                   // colour picture
    header.resize(HeaderSize, 0);
    return header;
}

// One plane row: channel `plane` of every pixel of row y. Runs end at the row's end, and a
// lone value that would read as a run header goes out as a run of one.
void EncodePlaneRow(const RgbImage& image, int y, int plane, std::vector<std::uint8_t>& out) {
    const std::uint8_t* row = image.rgb.data() + static_cast<std::size_t>(y) * image.width * 3 + plane;
    int x = 0;
    while (x < image.width) {
        const std::uint8_t value = row[x * 3];
        unsigned run = 1;
        while (x + static_cast<int>(run) < image.width && run < LongestRun && row[(x + run) * 3] == value) ++run;
        if (run > 1 || value >= RunMark) out.push_back(static_cast<std::uint8_t>(RunMark | run));
        out.push_back(value);
        x += static_cast<int>(run);
    }
}

}  // namespace

bool WritePcx(const std::string& path, const RgbImage& image, std::string* error) {
    std::string why;
    if (!CheckPictureSize(image, &why)) return FailWrite(path, why, error);
    std::vector<std::uint8_t> bytes = PcxHeader(image);
    for (int y = 0; y < image.height; ++y)
        for (int plane = 0; plane < 3; ++plane) EncodePlaneRow(image, y, plane, bytes);
    if (!StoreFile(path, bytes, &why)) return FailWrite(path, why, error);
    return true;
}

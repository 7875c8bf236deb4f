// Any bytes as a picture (a width and a height byte, then its pixels' channels), kept as a
// PNG file, read back, made into a sprite pack in each layout, read by the game's own reader
// at the pack's layout and kept as PNG again: every pixel must come back as its channels cut
// to the layout's bits and widened again by bit replication, and a picture the pack cannot
// hold must be refused without leaving a file.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "fuzz_support.h"
#include "gfx/surface.h"
#include "imgfile/qsf_pack.h"
#include "imgfile/qsf_writer.h"
#include "platform/headless/headless.h"
#include "platform/png_file.h"

namespace {

// Sides up to 64, so that widths of every remainder by 4 come up often.
constexpr int kLargestSide = 64;

RgbImage PictureOf(const std::uint8_t* data, std::size_t size) {
    RgbImage picture;
    if (size < 2) return picture;
    picture.width = 1 + data[0] % kLargestSide;
    picture.height = 1 + data[1] % kLargestSide;
    const std::size_t channels = std::size_t{3} * picture.width * picture.height;
    for (std::size_t at = 0; at < channels; ++at) {
        picture.rgb.push_back(2 + at < size ? data[2 + at] : static_cast<std::uint8_t>(at));
    }
    return picture;
}

bool PackCanHold(const RgbImage& image) {
    return image.width >= 1 && image.height >= 1 && image.width <= 4096 && image.height <= 4096 &&
           image.width % 4 == 0;
}

std::uint8_t Widened(unsigned value, int bits) {
    return static_cast<std::uint8_t>(bits == 5 ? (value << 3 | value >> 2) : (value << 2 | value >> 4));
}

// The picture as the pack stores it in this layout and the readers widen it again.
std::vector<std::uint8_t> Expected(const RgbImage& image, bool is565) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(image.rgb.size());
    for (std::size_t at = 0; at + 2 < image.rgb.size(); at += 3) {
        rgb.push_back(Widened(image.rgb[at] >> 3, 5));
        rgb.push_back(is565 ? Widened(image.rgb[at + 1] >> 2, 6) : Widened(image.rgb[at + 1] >> 3, 5));
        rgb.push_back(Widened(image.rgb[at + 2] >> 3, 5));
    }
    return rgb;
}

void RoundTrip(const RgbImage& image, int format) {
    const bool is565 = format == 1;
    const std::string packPath = ScratchFolder() + "/round.qsf";
    if (!WriteQsfPack(packPath, {image}, format)) Finding("a picture the pack can hold was refused");

    DisplayInLayout(is565);
    std::FILE* file = std::fopen(packPath.c_str(), "rb");
    if (file == nullptr) Finding("the written pack cannot be opened");
    if (ReadPackHeader(file) != 1 || packFormat != format) Finding("the written pack's header reads back wrong");
    const auto sprite = std::make_unique<Surface>();
    const int loaded = sprite->LoadFromPack(file);
    std::fclose(file);
    if (loaded != 1 || sprite->width != image.width || sprite->height != image.height) {
        Finding("the written image does not load at its size");
    }

    const RgbImage shown = Expand16(sprite->pixels, sprite->width, sprite->height, is565);
    if (shown.rgb != Expected(image, is565)) Finding("pixels changed on the way through the pack");

    const std::string pngPath = ScratchFolder() + "/out.png";
    RgbImage again;
    if (!WritePng(pngPath, shown) || !ReadPng(pngPath, &again)) Finding("the read-back picture cannot be kept as PNG");
    if (again.width != shown.width || again.height != shown.height || again.rgb != shown.rgb) {
        Finding("pixels changed on the way through PNG");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RgbImage picture = PictureOf(data, size);
    if (picture.rgb.empty()) return 0;
    const std::string pngPath = ScratchFolder() + "/in.png";
    RgbImage image;
    if (!WritePng(pngPath, picture) || !ReadPng(pngPath, &image)) Finding("a picture cannot be kept as PNG");
    if (image.width != picture.width || image.height != picture.height || image.rgb != picture.rgb) {
        Finding("a picture changed on its way through PNG");
    }
    if (!PackCanHold(image)) {
        const std::string packPath = ScratchFolder() + "/refused.qsf";
        if (WriteQsfPack(packPath, {image}, 1)) Finding("a picture the pack cannot hold was written");
        if (std::filesystem::exists(packPath)) Finding("a refused pack left a file behind");
        return 0;
    }
    for (const int format : {0, 1}) RoundTrip(image, format);
    headless::ClearRecords();
    return 0;
}

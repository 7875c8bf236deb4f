#include "imgfile/qsf_pack.h"

#include <bit>
#include <cstring>

#include "report/error_report.h"
#include "gfx/display.h"
#include "gfx/surface.h"
#include "imgfile/qsf_format.h"
#include "texts/texts.h"

// The pixel words are read straight into surface memory, so they must be in file order.
static_assert(std::endian::native == std::endian::little);

std::uint8_t packFormat = 0;

namespace {

std::uint16_t Word(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

}  // namespace

std::uint16_t ReadPackHeader(std::FILE* file) {
    std::fseek(file, 0, SEEK_SET);
    char signature[sizeof QsfSignature] = {};
    std::fread(signature, 1, sizeof signature, file);
    if (std::memcmp(signature, QsfSignature, sizeof signature) != 0) return 0;
    std::fread(&packFormat, 1, 1, file);
    std::uint8_t count[2] = {};
    if (std::fread(count, 1, sizeof count, file) != sizeof count) return 0;  // no count to read
    return Word(count);
}

int Surface::LoadFromPack(std::FILE* file) {
    std::uint8_t head[QsfImageHeadSize] = {};
    const std::size_t headBytes = std::fread(head, 1, sizeof head, file);
    const std::uint16_t imageWidth = Word(head);
    // A wrong width is told as soon as it is read, even when the pack ends before the height.
    if (headBytes >= 2 && imageWidth % 4 != 0) {
        ReportError(text::CaptionGraphics, "%s", text::WidthNotMultipleOf4);
        return 0;
    }
    // A pack that ends before this image's head holds no image for this Surface.
    if (headBytes != sizeof head) return 0;
    const std::uint16_t imageHeight = Word(head + 2);
    if (!surface) {
        if (imageWidth == 0 || imageHeight == 0) return 0;
        Create(imageWidth, imageHeight);
        // Create has said why when it made nothing; there is nowhere to put the pixels.
        if (!surface || !pixels) return 0;
    }

    Lock();
    // A pack that ends inside the pixels leaves the rest as they were.
    std::fread(pixels, 1, std::size_t{2} * width * height, file);
    Unlock();

    if (packFormat == TheDisplay.is565) return 1;
    const std::int32_t count = static_cast<std::int32_t>(width) * height;
    if (TheDisplay.is565 == 1)
        Convert555To565(count);
    else
        Convert565To555(count);
    return 1;
}

int Surface::Convert555To565(std::int32_t count) {
    Lock();
    for (std::int32_t n = 0; n < count; ++n) {
        const std::uint16_t pixel = pixels[n];
        const unsigned red = pixel >> 10 & 0x1F;
        const unsigned green = pixel >> 5 & 0x1F;
        const unsigned blue = pixel & 0x1F;
        pixels[n] = static_cast<std::uint16_t>(red << 11 | green << 6 | blue);
    }
    Unlock();
    return 1;
}

int Surface::Convert565To555(std::int32_t count) {
    Lock();
    for (std::int32_t n = 0; n < count; ++n) {
        const std::uint16_t pixel = pixels[n];
        const unsigned red = pixel >> 11;
        const unsigned green = pixel >> 5 & 0x3F;
        const unsigned blue = pixel & 0x1F;
        pixels[n] = static_cast<std::uint16_t>(red << 10 | (green >> 1) << 5 | blue);
    }
    Unlock();
    return 1;
}

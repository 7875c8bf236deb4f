// The background picture into a Surface, re-created at the picture's size.
#include <cstring>

#include "report/error_report.h"
#include "gfx/display.h"
#include "gfx/surface.h"
#include "imgfile/picture_file.h"
#include "texts/texts.h"

int Surface::LoadBackground(const char* name) {
    std::FILE* file = std::fopen(name, "rb");
    if (!file) {
        ReportError(text::CaptionGraphics, text::FileMissing, name);
        return 0;
    }
    const PictureHead head = ReadPictureHead(file);
    const std::uint16_t pictureWidth = head.Width();
    const std::uint16_t pictureHeight = head.Height();
    switch (CheckPictureHead(head)) {
        case PictureFault::None:
            break;
        case PictureFault::Damaged:
            std::fclose(file);
            ReportError(text::CaptionGraphics, text::FileDamaged, name);
            return 0;
        case PictureFault::WidthNotMultipleOf4:
            std::fclose(file);
            ReportError(text::CaptionGraphics, "%s", text::WidthNotMultipleOf4);
            return 0;
        case PictureFault::TooLarge:
            std::fclose(file);
            ReportError(text::CaptionGraphics, text::PictureTooLarge, unsigned{pictureWidth}, unsigned{pictureHeight});
            return 0;
    }

    std::vector<std::uint16_t> picture(std::size_t{pictureWidth} * pictureHeight);
    const std::vector<std::uint8_t> data = ReadPictureData(file, head);
    std::fclose(file);
    DecodePicture(data, pictureWidth, pictureHeight, TheDisplay.is565 != 0, picture.data());

    if (surface) {
        surface->Release();
        surface = nullptr;
        pixels = nullptr;  // the old memory is gone with its surface
    }
    Create(pictureWidth, pictureHeight);
    // Create has said why when it made nothing.
    if (!surface || !pixels) return 0;
    std::memcpy(pixels, picture.data(), picture.size() * sizeof picture[0]);
    return 1;
}

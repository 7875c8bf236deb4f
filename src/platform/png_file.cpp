// PNG files through libpng's simplified interface.
#include "platform/png_file.h"

#include <png.h>

#include <cstdio>
#include <cstring>

namespace {

bool Fail(std::string* error, const std::string& what)
{
    if (error != nullptr) *error = what;
    return false;
}

}  // namespace

bool WritePng(const std::string& path, const RgbImage& image, std::string* error)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        return Fail(error, path + ": the picture's size does not match its pixels");
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&png, path.c_str(), 0, image.rgb.data(), 0, nullptr)) {
        const std::string message = path + ": " + png.message;
        png_image_free(&png);
        std::remove(path.c_str());
        return Fail(error, message);
    }
    return true;
}

bool ReadPng(const std::string& path, RgbImage* image, std::string* error)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return Fail(error, path + ": " + png.message);
    // Read with alpha and drop it afterwards, so no pixel is blended with a background.
    png.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
        const std::string message = path + ": " + png.message;
        png_image_free(&png);
        return Fail(error, message);
    }
    image->width = static_cast<int>(png.width);
    image->height = static_cast<int>(png.height);
    image->rgb.resize(rgba.size() / 4 * 3);
    for (std::size_t i = 0, o = 0; i < rgba.size(); i += 4, o += 3) std::memcpy(&image->rgb[o], &rgba[i], 3);
    return true;
}

#include "png_input.h"

#include <png.h>

#include <cstring>

#include "complaint.h"
#include "imgfile/image_file.h"
#include "imgfile/pixel16.h"
#include "input_file.h"

namespace {

// The picture's size from its head, so a huge declared size never asks for its memory.
bool CheckDeclaredSize(const std::string& path, std::string* problem) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        *problem = Problem(path, std::string("not a PNG picture (") + png.message + ")");
        return false;
    }
    const bool fits = png.width <= MaxPictureSide && png.height <= MaxPictureSide;
    if (!fits)
        *problem = Problem(path, "picture size " + std::to_string(png.width) + "x" + std::to_string(png.height) +
                                     " is larger than 4096x4096");
    png_image_free(&png);
    return fits;
}

}  // namespace

bool ReadGamePicture(const std::string& path, RgbImage* image, std::string* problem) {
    if (!CheckInputFile(path, problem) || !CheckDeclaredSize(path, problem)) return false;
    std::string why;
    if (!ReadPng(path, image, &why)) {
        *problem = why;  // names the file already
        return false;
    }
    if (!CheckPictureSize(*image, &why)) {
        *problem = Problem(path, why);
        return false;
    }
    return true;
}

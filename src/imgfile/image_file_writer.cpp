#include "imgfile/image_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "imgfile/pixel16.h"

bool CheckPictureSize(const RgbImage& image, std::string* why) {
    if (image.width < 1 || image.height < 1 || static_cast<unsigned>(image.width) > MaxPictureSide ||
        static_cast<unsigned>(image.height) > MaxPictureSide) {
        *why = "picture size " + std::to_string(image.width) + "x" + std::to_string(image.height) +
               " is outside 1x1 to 4096x4096";
        return false;
    }
    if (image.width % 4 != 0) {
        *why = "width " + std::to_string(image.width) + " is not a multiple of 4";
        return false;
    }
    if (image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        *why = "pixel data does not match the picture size";
        return false;
    }
    return true;
}

bool StoreFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string* why) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        *why = std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int writeErrno = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        writeErrno = errno;
    }
    if (!written) {
        *why = std::string("cannot write: ") + std::strerror(writeErrno);
        std::remove(path.c_str());
    }
    return written;
}

void PutWord(std::vector<std::uint8_t>& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

bool FailWrite(const std::string& path, const std::string& why, std::string* error) {
    if (error) *error = path + ": " + why;
    return false;
}

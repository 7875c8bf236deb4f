#include "imgfile/qsf_writer.h"

#include <cstdint>

#include "imgfile/image_file.h"
#include "imgfile/pixel16.h"
#include "imgfile/qsf_format.h"

bool WriteQsfPack(const std::string& path, const std::vector<RgbImage>& images, int format,
                  std::string* error) {
    if (format != 0 && format != 1)
        return FailWrite(path, "pixel format " + std::to_string(format) + " is neither 0 (5-5-5) nor 1 (5-6-5)",
                         error);
    if (images.size() > 0xFFFF) return FailWrite(path, "more than 65535 images", error);

    std::vector<std::uint8_t> bytes(QsfSignature, QsfSignature + sizeof QsfSignature);
    bytes.push_back(static_cast<std::uint8_t>(format));
    PutWord(bytes, static_cast<unsigned>(images.size()));
    for (std::size_t n = 0; n < images.size(); ++n) {
        const RgbImage& image = images[n];
        std::string why;
        if (!CheckPictureSize(image, &why)) return FailWrite(path, "image " + std::to_string(n) + ": " + why, error);
        PutWord(bytes, static_cast<unsigned>(image.width));
        PutWord(bytes, static_cast<unsigned>(image.height));
        for (std::size_t p = 0; p < image.rgb.size(); p += 3)
            PutWord(bytes, RgbTo16(image.rgb[p], image.rgb[p + 1], image.rgb[p + 2], format == 1));
    }
    std::string why;
    if (!StoreFile(path, bytes, &why)) return FailWrite(path, why, error);
    return true;
}

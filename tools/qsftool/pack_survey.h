// A sprite pack walked from its header to its last image without reading pixels: the
// layout, each image's size, how the game reads what a pack maker would not have written,
// and the first thing that keeps the game from reading it at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ImageSize {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
};

struct PackSurvey {
    std::uint8_t format = 0;  // 0 = 5-5-5, 1 = 5-6-5; any other is converted either way
    std::vector<ImageSize> images;
    std::vector<std::string> readings;  // what the game makes of an odd layout or short pixels
    long bytesAfterImages = 0;          // behind the images the header counts
};

// False, with *problem set ("path: what"), for a pack that the game refuses: no signature or
// no images, or an image whose head is missing, refused or too large.
bool SurveyPack(const std::string& path, PackSurvey* survey, std::string* problem);

// "5-6-5", "5-5-5", or "unknown-layout" for any other format byte.
const char* LayoutName(std::uint8_t format);

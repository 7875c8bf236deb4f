// A sprite pack walked from its header to its last image without reading pixels: the
// layout, each image's size, and the first thing that keeps the game from reading it whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ImageSize {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
};

struct PackSurvey {
    std::uint8_t format = 0;  // 0 = 5-5-5, 1 = 5-6-5
    std::vector<ImageSize> images;
    long bytesAfterImages = 0;  // never read by the game
};

// False, with *problem set ("path: what"), for a pack that is empty, in an unknown layout,
// or whose images are refused, too large or cut short.
bool SurveyPack(const std::string& path, PackSurvey* survey, std::string* problem);

// "5-6-5" or "5-5-5".
const char* LayoutName(std::uint8_t format);

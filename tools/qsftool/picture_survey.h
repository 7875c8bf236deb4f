// A background picture checked as the game will read it: a 24-bit run-length encoded PCX
// head, a size the game takes, and encoded data that fills every scan line within its rows.
#pragma once

#include <cstdint>
#include <string>

struct PictureSurvey {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
};

// False, with *problem set ("path: what"), for a picture the game would refuse or show other
// than its maker meant.
bool SurveyPicture(const std::string& path, PictureSurvey* survey, std::string* problem);

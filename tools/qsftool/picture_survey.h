// A background picture checked as the game will read it: a 24-bit run-length encoded PCX
// head and a size the game takes; encoded data that does not fill every scan line within its
// rows is read all the same, and said how.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PictureSurvey {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::string> readings;  // what the game makes of runs past a row or short data
};

// False, with *problem set ("path: what"), for a picture the game refuses or whose head asks
// for what the game does not read.
bool SurveyPicture(const std::string& path, PictureSurvey* survey, std::string* problem);

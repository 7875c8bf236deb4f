// Pictures as the game itself reads them: on surfaces of the headless display, packs at the
// layout they are stored in and the background at 5-6-5, each channel widened to 8 bits by
// bit replication. The game tells of a refusal in a message box; that becomes the problem.
#pragma once

#include <string>
#include <vector>

#include "pack_survey.h"
#include "platform/png_file.h"

// Every image of a surveyed pack, in order. False, with *problem set, when a read is refused.
bool ReadPackImages(const std::string& path, const PackSurvey& survey, std::vector<RgbImage>* images,
                    std::string* problem);

// The background picture. False, with *problem set, when the game refuses it.
bool ReadBackgroundPicture(const std::string& path, RgbImage* image, std::string* problem);

// Makes background pictures: 24-bit PCX in three run-length encoded colour planes.
#pragma once

#include <string>

#include "platform/png_file.h"

// Writes the picture; its width must be a multiple of 4 and its sides 1 to 4096. On failure
// no file is left and *error (when given) says why.
bool WritePcx(const std::string& path, const RgbImage& image, std::string* error = nullptr);

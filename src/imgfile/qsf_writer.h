// Makes sprite packs from 8-bit RGB pictures, for the data generator and qsftool.
#pragma once

#include <string>
#include <vector>

#include "platform/png_file.h"

// Writes every image in the given layout (0 = 5-5-5, 1 = 5-6-5), each pixel truncated to
// 16 bits. Widths must be multiples of 4 and sides 1 to 4096. On failure no file is left and
// *error (when given) says why.
bool WriteQsfPack(const std::string& path, const std::vector<RgbImage>& images, int format,
                  std::string* error = nullptr);

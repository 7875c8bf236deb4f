// A PNG picture to become a sprite or the background: 8-bit RGB with its alpha dropped, of a
// size the game takes (sides 1 to 4096, the width a multiple of 4).
#pragma once

#include <string>

#include "platform/png_file.h"

// False, with *problem set ("path: what"), for a missing file, a file that is not a good
// PNG, or a picture the game could not hold. The size is checked before any pixel is read.
bool ReadGamePicture(const std::string& path, RgbImage* image, std::string* problem);

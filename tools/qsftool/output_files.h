// Output is whole or absent: each file is written under a passing name beside its place and
// renamed over it only once complete; a folder of pictures is removed again if one fails.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/png_file.h"

// Writes through write(passingPath, error), then renames onto path. False, with *problem set,
// when either step fails; nothing is left at the passing name.
bool KeepFile(const std::string& path, const std::function<bool(const std::string&, std::string*)>& write,
              std::string* problem);

// The pictures as folder/000.png, 001.png, ...; the folder (not its parents) is made when
// missing. On failure the pictures written and a folder made are removed.
bool KeepPngFolder(const std::string& folder, const std::vector<RgbImage>& images, std::string* problem);

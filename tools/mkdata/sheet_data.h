// The written data set read back through the game's own readers into Surfaces of the running
// display layout, with the colour keys the game gives them, for the contact sheet.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gfx/surface.h"

using SpriteList = std::vector<std::unique_ptr<Surface>>;

struct SheetData {
    SpriteList logo, blocks, flames, explosions, combo;
    std::string directory;
};

// False, with *error, when a pack fails its check or lacks an image.
bool LoadSheetData(const std::string& directory, SheetData* data, std::string* error);
// A fresh 640x480 canvas holding the background picture as loaded.
std::unique_ptr<Canvas> LoadSheetBackground(const SheetData& data);

// A scratch folder holding the game's data for one test: every file of the run folder's
// generated set, which the test may then damage, replace or remove. Removed with the test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/png_file.h"

class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "/" + name; }

    std::vector<std::uint8_t> Read(const std::string& name) const;
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    void WriteText(const std::string& name, const std::string& text) const;
    void Remove(const std::string& name) const;
    // Overwrites one byte of a file.
    void Patch(const std::string& name, std::size_t offset, std::uint8_t value) const;

    // Replaces a sprite pack or the background picture with pictures of the test's own.
    void WritePack(const std::string& name, const std::vector<RgbImage>& images, int format) const;
    void WriteBackground(const RgbImage& picture) const;

private:
    std::string path_;
};

// A picture of one colour.
RgbImage SolidPicture(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// "Block.Dat" in which all seven types, in all four rotations, are the straight piece
// standing upright in block column 0.
std::string UprightStraightShapes();

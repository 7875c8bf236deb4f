// A scratch folder holding the game's data for one test: every file of the run folder's
// generated set, which the test may then damage, replace or remove, and runs of
// tumblox-headless in it, each its own process. Removed with the test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/scratch_dir.h"
#include "common/test_support.h"

struct HeadlessRun {
    int status = -1;                 // the process exit status
    std::vector<std::string> lines;  // stdout, one event a line
    std::string errors;              // stderr

    // The lines that start with prefix, in order.
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
    // How many presents the run made (needs --trace).
    int FrameCount() const { return static_cast<int>(LinesStartingWith("frame ").size()); }
};

class GameFolder {
public:
    GameFolder();

    std::string Path() const { return scratch_.path.string(); }
    std::string PathOf(const std::string& name) const { return (scratch_.path / name).string(); }
    Bytes Read(const std::string& name) const { return ReadBytes(PathOf(name)); }
    void Write(const std::string& name, const Bytes& bytes) const { WriteBytes(PathOf(name), bytes); }
    void Remove(const std::string& name) const { EXPECT_TRUE(std::filesystem::remove(PathOf(name))) << name; }

    // The arguments after the program name; a non-empty script is written into the folder
    // and its path appended. A run still going after the given seconds is killed and fails
    // the test: a game nobody closes does not hold up the suite.
    HeadlessRun Run(std::vector<std::string> args, const std::string& script = "", int seconds = 120) const;

private:
    ScratchDir scratch_;
};

// The sound lines of the shutdown: the four samples freed in their order, by file name when
// they were loaded, as null handles when loading never reached them.
std::vector<std::string> SampleFrees(bool loaded);

// A picture of one grey.
inline RgbImage GreyPicture(int width, int height, std::uint8_t level)
{
    return {width, height, Bytes(static_cast<std::size_t>(width * height * 3), level)};
}

// Where --frames writes a frame.
std::string FramePath(const std::string& folder, int frameNumber);

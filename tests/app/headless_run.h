// Runs tumblox-headless as its own process in a data folder and keeps what it said.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HeadlessRun {
    int status = -1;                 // the process exit status
    std::vector<std::string> lines;  // stdout, one event a line
    std::string errors;              // stderr

    // The lines that start with prefix, in order.
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
    // How many presents the run made (needs --trace).
    int FrameCount() const;
};

// The sound lines of the shutdown: the four samples freed in their order, by file name when
// they were loaded, as null handles when loading never reached them.
std::vector<std::string> SampleFrees(bool loaded);

// The arguments after the program name; a non-empty script is written into the folder and
// its path appended.
HeadlessRun RunHeadless(const std::string& folder, std::vector<std::string> args,
                        const std::string& script = "");

// A frame written by --frames or snap, back as 16-bit pixels of the given layout.
std::vector<std::uint16_t> ReadFrame(const std::string& path, bool is565);
std::string FramePath(const std::string& folder, int frameNumber);

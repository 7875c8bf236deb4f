// What the headless runner writes of the frames: a PNG of every Nth present when asked, and
// snapshots of the last frame on the script's demand.
#pragma once

#include <cstdint>
#include <string>

class FrameRecorder {
public:
    FrameRecorder(std::string framesDir, int every, bool layout565)
        : framesDir_(std::move(framesDir)), every_(every), layout565_(layout565) {}

    // Called after present number frameNumber (from 1). False when a frame file cannot be
    // written; *error then says why.
    bool Record(int frameNumber, const std::uint16_t* pixels, std::string* error) const;
    // Writes a 640x480 frame as a PNG.
    bool WriteFrame(const std::string& path, const std::uint16_t* pixels, std::string* error) const;

private:
    std::string framesDir_;
    int every_;
    bool layout565_;
};

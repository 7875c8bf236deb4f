#include "frame_recorder.h"

#include <cstdio>

#include "platform/headless/headless.h"
#include "platform/png_file.h"

bool FrameRecorder::Record(int frameNumber, const std::uint16_t* pixels, std::string* error) const
{
    if (framesDir_.empty() || frameNumber % every_ != 0) return true;
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06d.png", frameNumber);
    return WriteFrame(framesDir_ + name, pixels, error);
}

bool FrameRecorder::WriteFrame(const std::string& path, const std::uint16_t* pixels,
                               std::string* error) const
{
    const RgbImage image =
        Expand16(pixels, headless::kScreenWidth, headless::kScreenHeight, layout565_);
    return WritePng(path, image, error);
}

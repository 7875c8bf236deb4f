// Plays the input script into the platform: every action of a frame right after that
// present, as the events a real backend would feed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "frame_recorder.h"
#include "runner_script.h"

class ScriptPlayer {
public:
    ScriptPlayer(std::vector<ScriptAction> actions, const FrameRecorder& recorder)
        : actions_(std::move(actions)), recorder_(recorder) {}

    // Applies every action written for frames up to frameNumber that has not run yet. False
    // when a snapshot cannot be written; *error then says which line and why.
    bool ApplyUpTo(int frameNumber, std::string* error);

private:
    bool Apply(const ScriptAction& action, std::string* error);

    std::vector<ScriptAction> actions_;  // in the order they apply
    std::size_t next_ = 0;
    const FrameRecorder& recorder_;
};

// Plays the input script into the platform: every action of a frame right after that
// present, as the events a real backend would feed.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "runner_script.h"

class ScriptPlayer {
public:
    // Writes the last presented frame to the named file; false with *error when it cannot.
    using Snapshot = std::function<bool(const std::string& file, std::string* error)>;

    ScriptPlayer(std::vector<ScriptAction> actions, Snapshot snapshot)
        : actions_(std::move(actions)), snapshot_(std::move(snapshot)) {}

    // Applies every action written for frames up to frameNumber that has not run yet. False
    // when a snapshot cannot be written; *error then says which line and why.
    bool ApplyUpTo(int frameNumber, std::string* error);

private:
    bool Apply(const ScriptAction& action, std::string* error);

    std::vector<ScriptAction> actions_;  // in the order they apply
    std::size_t next_ = 0;
    Snapshot snapshot_;
};

// The game itself, WinMain to exit, with scripted input and its record on stdout: every
// event one line ("box ...", "sound ...", "frame N CRC", "limit N"), the last one "exit CODE".
// The same on every backend that offers scripted_host.h, so their records can be compared.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "runner_options.h"
#include "runner_script.h"
#include "script_player.h"

struct ScriptedRun {
    std::string programName;   // names the program in a message on stderr
    bool layout565 = true;     // the layout the display probe reveals
    std::time_t wallClock = 0; // the seconds the game seeds its generator with
    bool trace = false;        // a CRC line for every present
    int maxFrames = 0;         // 0: no limit; else a close after this many presents
    std::vector<ScriptAction> actions;
    ScriptPlayer::Snapshot snapshot;
    // Anything more to keep of each present; false with *error ends the run.
    std::function<bool(int frameNumber, const std::uint16_t* pixels, std::string* error)> keepFrame;
};

// Plays the game and returns its exit code. A snapshot or kept frame that cannot be written
// ends the process with kRunnerUsageError: its frames are the point of the run.
int RunScripted(ScriptedRun run);

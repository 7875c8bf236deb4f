// The headless runner's command line:
//   tumblox-headless [--layout 565|555] [--fail CALL[:N]]... [--frames DIR] [--every N]
//                    [--max-frames N] [--time T] [--trace] [SCRIPT]
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "platform/host.h"

struct InjectedFailure {
    host::Call call;
    int nth = 1;  // counted per kind of call, from 1
};

struct RunnerOptions {
    bool layout565 = true;                 // the layout the display probe reveals
    std::vector<InjectedFailure> failures;
    std::string framesDir;                 // empty: no frames written
    int every = 1;                         // write only every Nth frame
    int maxFrames = 0;                     // 0: no limit; else a close after this many presents
    std::time_t wallClock = 0;             // the seconds the game seeds its generator with
    bool trace = false;                    // a CRC line for every present
    std::string scriptPath;                // empty: no input at all
};

// The exit status of a run that could not go on: bad arguments, a script or a file.
constexpr int kRunnerUsageError = 2;

// Says on stderr, after the program's name, why the run cannot go on; kRunnerUsageError.
int RefuseRun(const char* program, const std::string& why);

// The call a --fail option names ("CreateSurface"), if it is one that can be made to fail.
bool FailableCallNamed(const std::string& name, host::Call* call);

// Reads the arguments after the program name. On failure *error says what is wrong.
bool ParseRunnerOptions(const std::vector<std::string>& args, RunnerOptions* options, std::string* error);

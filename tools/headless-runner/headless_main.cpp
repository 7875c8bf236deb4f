// tumblox-headless: the game itself, WinMain to exit, on the headless backend in the current
// folder's data, with scripted input and recorded output (scripted_run.h). The process ends
// with the game's exit code, or 2 when the arguments or the script are wrong.
#include <filesystem>
#include <string>
#include <vector>

#include "frame_recorder.h"
#include "platform/headless/headless.h"
#include "runner_options.h"
#include "script_file.h"
#include "scripted_run.h"

namespace {

constexpr const char* kProgramName = "tumblox-headless";

}  // namespace

int main(int argc, char** argv)
{
    RunnerOptions options;
    std::string error;
    if (!ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
        return RefuseRun(kProgramName, error);
    }

    ScriptedRun run;
    if (!options.scriptPath.empty() && !LoadScript(options.scriptPath, &run.actions, &error)) {
        return RefuseRun(kProgramName, error);
    }
    if (!options.framesDir.empty()) {
        std::error_code fault;
        std::filesystem::create_directories(options.framesDir, fault);
        if (fault) return RefuseRun(kProgramName, "cannot make the frames folder " + options.framesDir);
    }
    for (const InjectedFailure& failure : options.failures) headless::FailCall(failure.call, failure.nth);

    const FrameRecorder recorder(options.framesDir, options.every, options.layout565);
    run.programName = kProgramName;
    run.layout565 = options.layout565;
    run.wallClock = options.wallClock;
    run.trace = options.trace;
    run.maxFrames = options.maxFrames;
    run.snapshot = [&](const std::string& file, std::string* why) {
        return recorder.WriteFrame(file, headless::LastFrame().data(), why);
    };
    run.keepFrame = [&](int frameNumber, const std::uint16_t* pixels, std::string* why) {
        return recorder.Record(frameNumber, pixels, why);
    };
    return RunScripted(std::move(run));
}

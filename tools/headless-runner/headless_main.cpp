// tumblox-headless: the game itself, WinMain to exit, on the headless backend in the current
// folder's data, with scripted input and recorded output. Every event goes to stdout as one
// line ("box ...", "sound ...", "frame N CRC", "limit N"), the last one "exit CODE"; the
// process ends with the game's exit code, or 2 when the arguments or the script are wrong.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/win_main.h"
#include "frame_recorder.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"
#include "runner_options.h"
#include "runner_script.h"
#include "script_player.h"

namespace {

constexpr int kUsageError = 2;

int Refuse(const std::string& what)
{
    std::fprintf(stderr, "tumblox-headless: %s\n", what.c_str());
    return kUsageError;
}

bool ReadWholeFile(const std::string& path, std::string* text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    *text = bytes.str();
    return !in.bad();
}

// A frame file or snapshot that cannot be written ends the run: its frames are the point.
[[noreturn]] void StopOnWriteFailure(const std::string& what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "tumblox-headless: %s\n", what.c_str());
    std::exit(kUsageError);
}

}  // namespace

int main(int argc, char** argv)
{
    RunnerOptions options;
    std::string error;
    if (!ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
        return Refuse(error);
    }

    std::vector<ScriptAction> actions;
    if (!options.scriptPath.empty()) {
        std::string script;
        if (!ReadWholeFile(options.scriptPath, &script)) {
            return Refuse("cannot read the script " + options.scriptPath);
        }
        ScriptError scriptError;
        if (!ParseScript(script, &actions, &scriptError)) {
            std::fprintf(stderr, "%s:%d: %s\n", options.scriptPath.c_str(), scriptError.line,
                         scriptError.what.c_str());
            return kUsageError;
        }
    }
    if (!options.framesDir.empty()) {
        std::error_code fault;
        std::filesystem::create_directories(options.framesDir, fault);
        if (fault) return Refuse("cannot make the frames folder " + options.framesDir);
    }

    headless::SetLayout565(options.layout565);
    for (const InjectedFailure& failure : options.failures) headless::FailCall(failure.call, failure.nth);
    headless::SetWallClock(options.wallClock);
    headless::SetEcho(true);

    const FrameRecorder recorder(options.framesDir, options.every, options.trace, options.layout565);
    ScriptPlayer player(std::move(actions), recorder);
    if (!player.ApplyUpTo(0, &error)) return Refuse(error);
    headless::OnPresent([&](int frameNumber, const std::uint16_t* pixels) {
        std::string why;
        if (!recorder.Record(frameNumber, pixels, &why)) StopOnWriteFailure(why);
        if (!player.ApplyUpTo(frameNumber, &why)) StopOnWriteFailure(why);
        if (frameNumber == options.maxFrames) {
            std::printf("limit %d\n", frameNumber);
            FeedMessage(WM_CLOSE, 0, 0);
        }
    });

    const int exitCode = WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT);
    std::printf("exit %d\n", exitCode);
    std::fflush(stdout);
    return exitCode;
}

// The game in the browser. Started plainly it is the game as a player gets it; started with
// a script (the page's ?script=NAME&time=N&layout=L) it is the headless runner's run, on the
// virtual clock with the same record on stdout, which the page keeps as its trace.
#include <string>
#include <vector>

#include "app/win_main.h"
#include "platform/web/web.h"
#include "runner_options.h"
#include "script_file.h"
#include "scripted_run.h"

namespace {

constexpr const char* kProgramName = "tumblox";

int RunScript(const RunnerOptions& options)
{
    if (!options.failures.empty() || !options.framesDir.empty() || options.maxFrames != 0) {
        return RefuseRun(kProgramName, "the page runs a script with its seed and layout only");
    }
    ScriptedRun run;
    std::string error;
    if (!LoadScript(options.scriptPath, &run.actions, &error)) return RefuseRun(kProgramName, error);
    // The page writes no files, so a script that wants a snapshot is refused before it starts
    // (and the run needs no snapshot writer).
    for (const ScriptAction& action : run.actions) {
        if (action.verb == ScriptVerb::Snap) {
            return RefuseRun(kProgramName,
                             options.scriptPath + ":" + std::to_string(action.line) + ": the page takes no snapshots");
        }
    }
    webhost::UseVirtualClock();
    run.programName = kProgramName;
    run.layout565 = options.layout565;
    run.wallClock = options.wallClock;
    run.trace = options.trace;
    return RunScripted(std::move(run));
}

int Run(int argc, char** argv)
{
    RunnerOptions options;
    std::string error;
    if (!ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
        return RefuseRun(kProgramName, error);
    }
    if (!options.scriptPath.empty()) return RunScript(options);
    return WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT);
}

}  // namespace

int main(int argc, char** argv)
{
    const int exitCode = Run(argc, argv);
    webhost::GameEnded(exitCode);
    return exitCode;
}

#include "scripted_run.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "app/win_main.h"
#include "platform/feed.h"
#include "platform/frame_crc.h"
#include "platform/scripted_host.h"

namespace {

[[noreturn]] void StopOnWriteFailure(const std::string& programName, const std::string& what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\n", programName.c_str(), what.c_str());
    std::exit(kRunnerUsageError);
}

}  // namespace

int RunScripted(ScriptedRun run)
{
    scripted::SetLayout565(run.layout565);
    scripted::SetWallClock(run.wallClock);
    scripted::SetEcho(true);

    ScriptPlayer player(std::move(run.actions), std::move(run.snapshot));
    std::string error;
    if (!player.ApplyUpTo(0, &error)) StopOnWriteFailure(run.programName, error);
    scripted::OnPresent([&](int frameNumber, const std::uint16_t* pixels) {
        if (run.trace) std::printf("frame %d %08" PRIx32 "\n", frameNumber, FrameCrc32(pixels));
        std::string why;
        if (run.keepFrame && !run.keepFrame(frameNumber, pixels, &why)) StopOnWriteFailure(run.programName, why);
        if (!player.ApplyUpTo(frameNumber, &why)) StopOnWriteFailure(run.programName, why);
        if (frameNumber == run.maxFrames) {
            std::printf("limit %d\n", frameNumber);
            FeedMessage(WM_CLOSE, 0, 0);
        }
    });

    const int exitCode = WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT);
    std::printf("exit %d\n", exitCode);
    std::fflush(stdout);
    return exitCode;
}

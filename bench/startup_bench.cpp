// Start-up on the real clock: from the moment the headless runner's process is made until
// the first game tick's frame is presented (the one after the intro's dimming), with the
// game's generated data in the run folder. The runner's stdout is made line-buffered so that
// each frame line arrives as it happens.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "app/intro.h"
#include "bench_checks.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFirstTickFrame = kDimmingFrames + 1;

struct StartTimes {
    double firstTick = 0;  // seconds
    double exited = 0;
    bool ok = false;  // the tick's frame was seen and the game ended with status 0
};

// One run of the game that closes itself right after the first tick's frame.
StartTimes StartOnce()
{
    StartTimes times;
    int out[2];
    if (pipe(out) != 0) return times;
    const std::string frames = std::to_string(kFirstTickFrame);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(TUMBLOX_RUN_DIR) != 0) _exit(127);
        execlp("stdbuf", "stdbuf", "-oL", TUMBLOX_RUN_DIR "/tumblox-headless", "--trace", "--max-frames",
               frames.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    if (child < 0) {
        close(out[0]);
        return times;
    }

    std::FILE* lines = fdopen(out[0], "r");
    const std::string marker = "frame " + frames + " ";
    bool seen = false;
    char line[256];
    while (lines != nullptr && std::fgets(line, sizeof line, lines) != nullptr) {
        if (!seen && std::string(line).rfind(marker, 0) == 0) {
            times.firstTick = std::chrono::duration<double>(Clock::now() - start).count();
            seen = true;
        }
    }
    if (lines != nullptr) std::fclose(lines);
    int status = 0;
    waitpid(child, &status, 0);
    times.exited = std::chrono::duration<double>(Clock::now() - start).count();
    times.ok = seen && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return times;
}

void StartToFirstTick(benchmark::State& state)
{
    double exitSeconds = 0;
    for (auto _ : state) {
        const StartTimes times = StartOnce();
        if (!Expect(state, times.ok, "the game did not reach its first tick (is the run folder built?)")) break;
        state.SetIterationTime(times.firstTick);
        exitSeconds += times.exited;
    }
    state.counters["to_exit_ms"] = 1000 * exitSeconds / static_cast<double>(state.iterations());
}
BENCHMARK(StartToFirstTick)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace bench

#include "headless_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <fcntl.h>
#include <fstream>
#include <sstream>

#include "platform/png_file.h"

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A run that hangs (a game nobody closes) is stopped rather than holding up the suite.
bool WaitWithin(pid_t child, int* waited)
{
    constexpr auto kLongestRun = std::chrono::minutes(5);
    const auto deadline = std::chrono::steady_clock::now() + kLongestRun;
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t done = waitpid(child, waited, WNOHANG);
        if (done == child) return true;
        if (done < 0) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(child, SIGKILL);
    waitpid(child, waited, 0);
    return false;
}

}  // namespace

std::vector<std::string> HeadlessRun::LinesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    }
    return found;
}

int HeadlessRun::FrameCount() const
{
    return static_cast<int>(LinesStartingWith("frame ").size());
}

std::vector<std::string> SampleFrees(bool loaded)
{
    std::vector<std::string> frees;
    for (const char* name : {"Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav"}) {
        frees.push_back(std::string("sound FSOUND_Sample_Free ") + (loaded ? name : "null"));
    }
    return frees;
}

HeadlessRun RunHeadless(const std::string& folder, std::vector<std::string> args, const std::string& script)
{
    if (!script.empty()) {
        std::ofstream(folder + "/script.txt") << script;
        args.push_back(folder + "/script.txt");
    }
    const std::string outPath = folder + "/stdout.txt";
    const std::string errPath = folder + "/stderr.txt";

    std::vector<char*> argv;
    std::string program = TUMBLOX_HEADLESS;
    argv.push_back(program.data());
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    HeadlessRun run;
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || chdir(folder.c_str()) != 0) _exit(127);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (child < 0) {
        ADD_FAILURE() << "cannot start tumblox-headless";
        return run;
    }
    int waited = 0;
    if (!WaitWithin(child, &waited) || !WIFEXITED(waited)) {
        ADD_FAILURE() << "tumblox-headless did not run to its end";
        return run;
    }
    run.status = WEXITSTATUS(waited);
    run.lines = SplitLines(ReadAll(outPath));
    run.errors = ReadAll(errPath);
    return run;
}

std::vector<std::uint16_t> ReadFrame(const std::string& path, bool is565)
{
    RgbImage image;
    std::string error;
    std::vector<std::uint16_t> pixels;
    if (!ReadPng(path, &image, &error)) {
        ADD_FAILURE() << error;
        return pixels;
    }
    // The frames' channels were widened by bit replication, so the top bits are the pixel's.
    for (std::size_t at = 0; at + 2 < image.rgb.size(); at += 3) {
        const unsigned red = image.rgb[at] >> 3, blue = image.rgb[at + 2] >> 3;
        const unsigned green = is565 ? image.rgb[at + 1] >> 2 : image.rgb[at + 1] >> 3;
        pixels.push_back(static_cast<std::uint16_t>(is565 ? red << 11 | green << 5 | blue
                                                          : red << 10 | green << 5 | blue));
    }
    return pixels;
}

std::string FramePath(const std::string& folder, int frameNumber)
{
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06d.png", frameNumber);
    return folder + name;
}

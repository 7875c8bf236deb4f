#include "game_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "common/program_run.h"

namespace fs = std::filesystem;

std::vector<std::string> HeadlessRun::LinesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found), [&](auto& l) { return l.starts_with(prefix); });
    return found;
}

GameFolder::GameFolder()
{
    for (const char* name : {"Block.Dat", "Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf", "Combo.Qsf",
                             "Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav", "BGM.Mp3", "BACK1.Qsf"})
        fs::copy_file(fs::path(TUMBLOX_RUN_DIR) / name, PathOf(name));  // throws, naming it, when one is missing
}

HeadlessRun GameFolder::Run(std::vector<std::string> args, const std::string& script, int seconds) const
{
    if (!script.empty()) {
        std::ofstream(PathOf("script.txt")) << script;
        args.push_back(PathOf("script.txt"));
    }
    args.insert(args.begin(), {"timeout", "-s", "KILL", std::to_string(seconds), TUMBLOX_HEADLESS});
    const ProgramRun ran = RunProgram(args, scratch_.path);
    HeadlessRun run;
    if (ran.status == -1 || ran.status == 128 + SIGKILL) {
        ADD_FAILURE() << "tumblox-headless crashed or ran past " << seconds << " s";
        return run;
    }
    run.status = ran.status;
    std::istringstream out(ran.out);
    for (std::string line; std::getline(out, line);) run.lines.push_back(line);
    run.errors = ran.err;
    return run;
}

std::vector<std::string> SampleFrees(bool loaded)
{
    std::vector<std::string> frees;
    for (const char* name : {"Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav"})
        frees.push_back(std::string("sound FSOUND_Sample_Free ") + (loaded ? name : "null"));
    return frees;
}

std::string FramePath(const std::string& folder, int frameNumber)
{
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06d.png", frameNumber);
    return folder + name;
}

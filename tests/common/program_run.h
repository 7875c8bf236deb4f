// Runs a program as a user would, from a working folder: its exit status and what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/test_support.h"

struct ProgramRun {
    int status = -1;  // the exit status; -1 when it did not exit
    std::string out;
    std::string err;
};

// The program and its words, each quoted for the shell, run in `scratch`, with stdout and
// stderr kept in files there while it runs.
inline ProgramRun RunProgram(const std::vector<std::string>& words,
                             const std::filesystem::path& scratch) {
    const std::string out = (scratch / "run.out").string(), err = (scratch / "run.err").string();
    std::string command = "cd '" + scratch.string() + "' && exec ";
    for (const std::string& word : words) command += "'" + word + "' ";
    const int waited = std::system((command + ">'" + out + "' 2>'" + err + "'").c_str());
    const Bytes outBytes = ReadBytes(out), errBytes = ReadBytes(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return {WIFEXITED(waited) ? WEXITSTATUS(waited) : -1, {outBytes.begin(), outBytes.end()},
            {errBytes.begin(), errBytes.end()}};
}

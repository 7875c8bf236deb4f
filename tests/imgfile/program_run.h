// Runs a program as a user would, without a shell: its exit status and what it printed.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

struct ProgramRun {
    int status = -1;  // the exit status; -1 when it could not start or did not exit
    std::string out;
    std::string err;
};

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The program and its words, with stdout and stderr kept in files under `scratch`.
inline ProgramRun RunProgram(const std::vector<std::string>& words, const std::filesystem::path& scratch) {
    const std::filesystem::path outPath = scratch / "run.out";
    const std::filesystem::path errPath = scratch / "run.err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    ProgramRun run;
    pid_t pid = 0;
    int waited = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(pid, &waited, 0) == pid && WIFEXITED(waited))
        run.status = WEXITSTATUS(waited);
    posix_spawn_file_actions_destroy(&actions);
    run.out = FileText(outPath);
    run.err = FileText(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

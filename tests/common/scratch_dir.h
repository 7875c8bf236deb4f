// A folder of this test process's own, removed afterwards; one at a time.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

struct ScratchDir {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tumblox-test-" + std::to_string(getpid()));
    ScratchDir() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

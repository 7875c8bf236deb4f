#include "input_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "complaint.h"
#include "imgfile/qsf_format.h"

bool CheckInputFile(const std::string& path, std::string* problem) {
    std::error_code fault;
    const std::filesystem::file_status status = std::filesystem::status(path, fault);
    if (!std::filesystem::exists(status)) {
        *problem = Problem(path, "no such file");
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        *problem = Problem(path, "not a regular file");
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *problem = Problem(path, std::strerror(errno));
        return false;
    }
    std::fclose(file);
    return true;
}

FileKind KindOf(const std::string& path) {
    char start[sizeof QsfSignature] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return FileKind::Neither;
    const std::size_t got = std::fread(start, 1, sizeof start, file);
    std::fclose(file);
    if (got == sizeof start && std::memcmp(start, QsfSignature, sizeof start) == 0) return FileKind::Pack;
    if (got >= 1 && start[0] == 10) return FileKind::Picture;
    return FileKind::Neither;
}

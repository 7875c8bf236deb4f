#include "output_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "complaint.h"

namespace {

std::string PassingName(const std::string& path) {
    return path + ".partial-" + std::to_string(getpid());
}

std::string PictureName(std::size_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits + ".png";
}

}  // namespace

bool KeepFile(const std::string& path, const std::function<bool(const std::string&, std::string*)>& write,
              std::string* problem) {
    // A device, pipe or folder at the place is never replaced by a file.
    std::error_code fault;
    if (std::filesystem::exists(path, fault) && !std::filesystem::is_regular_file(path, fault)) {
        *problem = Problem(path, "exists and is not a regular file");
        return false;
    }
    const std::string passing = PassingName(path);
    std::string why;
    if (!write(passing, &why)) {
        std::remove(passing.c_str());
        // The writers name the file they wrote; the reader wants the one asked for.
        if (why.starts_with(passing + ": ")) why.erase(0, passing.size() + 2);
        *problem = Problem(path, "cannot be written: " + why);
        return false;
    }
    if (std::rename(passing.c_str(), path.c_str()) != 0) {
        *problem = Problem(path, std::strerror(errno));
        std::remove(passing.c_str());
        return false;
    }
    return true;
}

bool KeepPngFolder(const std::string& folder, const std::vector<RgbImage>& images, std::string* problem) {
    std::error_code fault;
    const bool existed = std::filesystem::exists(folder, fault);
    if (existed && !std::filesystem::is_directory(folder, fault)) {
        *problem = Problem(folder, "exists and is not a folder");
        return false;
    }
    // Only the folder itself is made, so a failure has just that one to take away again.
    if (!existed && !std::filesystem::create_directory(folder, fault)) {
        *problem = Problem(folder, "cannot be made (" + fault.message() + ")");
        return false;
    }
    std::vector<std::string> written;
    for (std::size_t number = 0; number < images.size(); ++number) {
        const std::string path = (std::filesystem::path(folder) / PictureName(number)).string();
        const auto writePng = [&](const std::string& passing, std::string* why) {
            return WritePng(passing, images[number], why);
        };
        if (!KeepFile(path, writePng, problem)) {
            for (const std::string& done : written) std::remove(done.c_str());
            if (!existed) std::filesystem::remove(folder, fault);
            return false;
        }
        written.push_back(path);
    }
    return true;
}

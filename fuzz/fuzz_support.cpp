#include "fuzz_support.h"

#include <cstdlib>
#include <filesystem>

#include "gfx/display.h"
#include "platform/headless/headless.h"

namespace {

bool displayUp = false;

std::string MakeScratchFolder() {
    const std::filesystem::path shm("/dev/shm");
    std::error_code fault;
    const std::filesystem::path base = std::filesystem::is_directory(shm, fault) ? shm
                                                                                : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tumblox-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) Finding("cannot make a scratch folder");
    return pattern;
}

}  // namespace

void DisplayInLayout(bool is565) {
    headless::SetLayout565(is565);
    if (!displayUp) {
        displayUp = InitDisplay() == 1;
        if (!displayUp) Finding("the display did not come up");
        return;
    }
    // The screen now shows the other layout: the display's own probe learns it again, as
    // cheaply as the game learns it at start, without a new primary surface.
    DetectPixelFormat(TheDisplay.primary);
    if (TheDisplay.is565 != (is565 ? 1 : 0)) Finding("the display probe missed the layout");
}

std::FILE* OpenBytes(const std::uint8_t* data, std::size_t size) {
    // An empty buffer cannot be opened as a memory stream; an empty file stands in for it.
    if (size == 0) return std::tmpfile();
    return fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
}

const std::string& ScratchFolder() {
    static const std::string folder = MakeScratchFolder();
    static const struct Remover {
        ~Remover() {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    } remover;
    return folder;
}

std::string StoreBytes(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) Finding("cannot write the scratch file");
    if (size != 0 && std::fwrite(data, 1, size, file) != size) Finding("cannot write the scratch file");
    std::fclose(file);
    return path;
}

void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

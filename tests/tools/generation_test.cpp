// The generator as the build runs it: the same files every time, quickly, and the ones in
// the run folder are what it makes now.
#include <sys/wait.h>

#include <chrono>
#include <filesystem>

#include "generated_data.h"

namespace {

const char* const kDataFiles[] = {"Block.Dat", "Logo.QSF",  "Block.QSF", "Flame.Qsf",   "Explo.Qsf", "Combo.Qsf",
                                  "BACK1.Qsf", "Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav", "BGM.Mp3",
                                  "tumblox.png"};

struct Folder {
    std::filesystem::path path;
    explicit Folder(const std::string& name)
        : path(std::filesystem::path(testing::TempDir()) / ("tumblox-mkdata-" + std::to_string(::getpid()) + name)) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// Runs mkdata into the folder; gives its exit status and the seconds it took.
std::pair<int, double> Generate(const Folder& folder, const std::string& options = "") {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system((std::string(MKDATA_PATH) + " " + options + " '" + folder.path.string() + "'").c_str());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, took.count()};
}

TEST(Generation, TwoRunsWriteTheSameBytesQuicklyAndMatchTheRunFolder) {
    Folder first("-a"), second("-b");
    const auto [status1, seconds1] = Generate(first);
    const auto [status2, seconds2] = Generate(second);
    ASSERT_EQ(status1, 0);
    ASSERT_EQ(status2, 0);
    RecordProperty("seconds", std::to_string(seconds1));
    std::printf("generation took %.2f s and %.2f s\n", seconds1, seconds2);
    EXPECT_LT(std::min(seconds1, seconds2), 10.0);
    for (const char* name : kDataFiles) {
        SCOPED_TRACE(name);
        const Bytes one = ReadBytes((first.path / name).string());
        EXPECT_FALSE(one.empty());
        EXPECT_TRUE(one == ReadBytes((second.path / name).string()));
        EXPECT_TRUE(one == ReadBytes(name)) << "the run folder's copy is not what the generator makes";
    }
    // Nothing else is written.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(first.path), {}), std::ssize(kDataFiles));
}

TEST(Generation, RefusesAFolderItCannotWriteAndABadCommandLine) {
    Folder folder("-c");
    const Folder* missing = &folder;
    std::filesystem::remove_all(missing->path);
    EXPECT_EQ(Generate(*missing).first, 1);
    EXPECT_EQ(Generate(*missing, "--sheet").first, 2);
}

}  // namespace

// The generator as the build runs it: the same files every time, quickly, and the ones in
// the run folder are what it makes now.
#include <sys/wait.h>

#include <chrono>
#include <filesystem>

#include "generated_data.h"

namespace {

namespace fs = std::filesystem;

// Runs mkdata into the folder; gives its exit status and the seconds it took.
std::pair<int, double> Generate(const fs::path& folder, const std::string& options = "") {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system((MKDATA_PATH " " + options + " '" + folder.string() + "'").c_str());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, took.count()};
}

TEST(Generation, TwoRunsWriteTheSameBytesQuicklyAndMatchTheRunFolder) {
    const fs::path root = fs::path(testing::TempDir()) / ("tumblox-mkdata-" + std::to_string(::getpid()));
    double fastest = 1e9;
    for (const char* run : {"a", "b"}) {
        fs::create_directories(root / run);
        const auto [status, seconds] = Generate(root / run);
        ASSERT_EQ(status, 0);
        fastest = std::min(fastest, seconds);
    }
    EXPECT_LT(fastest, 10.0);
    // The eleven data files and the icon, nothing else; the other tests open each by its name
    // in the run folder.
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "a")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const Bytes one = ReadBytes(entry.path().string());
        EXPECT_TRUE(!one.empty() && one == ReadBytes((root / "b" / name).string()));
        EXPECT_TRUE(one == ReadBytes(name)) << "the run folder's copy is out of date";
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "a"), fs::directory_iterator()), 12 + 1);
    fs::remove_all(root);
}

TEST(Generation, RefusesAFolderItCannotWriteAndABadCommandLine) {
    const fs::path missing = fs::path(testing::TempDir()) / "tumblox-mkdata-missing" / "none";
    EXPECT_EQ(Generate(missing).first, 1);
    EXPECT_EQ(Generate(missing, "--sheet").first, 2);
}

}  // namespace

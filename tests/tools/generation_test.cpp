// The generator as the build runs it: the same files every time, quickly, and the ones in
// the run folder are what it makes now.
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>

#include "generated_data.h"

namespace {

namespace fs = std::filesystem;

// Seconds of processor time that finished children have used, all threads together.
double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs mkdata into the folder; gives its exit status and the processor seconds it took, which
// a busy machine does not stretch the way it stretches the wall clock.
std::pair<int, double> Generate(const fs::path& folder, const std::string& options = "") {
    const double before = ChildrenCpuSeconds();
    const int status = std::system((MKDATA_PATH " " + options + " '" + folder.string() + "'").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ChildrenCpuSeconds() - before};
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

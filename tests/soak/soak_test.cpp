// One game of a million ticks under seeded random play, watching that it neither grows nor
// breaks: every 10,000 ticks the resident memory must be within 1 MiB of what it was at tick
// 10,000, and the well must hold (walls and floor in place, locked cells only of the seven
// types, the piece in play of a real type and turn).
//
// A well left to random play fills to the top within a few hundred pieces and then only
// locks pieces at the spawn place for the rest of the run. So that rows keep burning and
// exploding all million ticks long, every piece is the straight one standing upright and the
// player drops each where the well is lowest (one of the lowest columns, at random), with the
// random input around it: mouse sweeps that can send a piece astray, extra clicks and turns,
// sensitivity taps, and now and then a close attempt the game does not answer (the system
// menu's close, messages beyond its table).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/win_main.h"
#include "game/board.h"
#include "game/game_tick.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"

namespace {

constexpr long kTicks = 1'000'000;
constexpr long kCheckEvery = 10'000;
constexpr long kMostGrowth = 1024 * 1024;
constexpr long kIntroFrames = 7;
constexpr UINT kSysCommand = 0x0112;  // WM_SYSCOMMAND
constexpr WPARAM kSysClose = 0xF060;  // SC_CLOSE: Alt+F4 or the title bar's close
constexpr UINT kBeyondTable = 1300;   // past every entry of the message table

long ResidentBytes() {
    long pages = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) return -1;
    const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
    std::fclose(statm);
    return read == 2 ? resident * sysconf(_SC_PAGESIZE) : -1;
}

// The well's promises, as one line per broken one.
std::string WellFaults() {
    std::string faults;
    for (int r = 0; r < kBoardRows; ++r) {
        for (int c = 0; c < kBoardColumns; ++c) {
            const std::uint8_t cell = Board[r * kBoardColumns + c];
            const bool wall = c == 0 || c == kBoardColumns - 1 || r == kBoardRows - 1;
            if (wall ? cell != kWallCell : cell >= kWallCell) {
                faults += "cell " + std::to_string(r) + "," + std::to_string(c) + " holds " + std::to_string(cell) + "\n";
            }
        }
    }
    if (FallingPiece.type < 0 || FallingPiece.type >= kPieceTypes || FallingPiece.nextType < 0 ||
        FallingPiece.nextType >= kPieceTypes || FallingPiece.rotation < 0 || FallingPiece.rotation >= kRotations) {
        faults += "the piece in play is type " + std::to_string(FallingPiece.type) + " turn " +
                  std::to_string(FallingPiece.rotation) + ", next " + std::to_string(FallingPiece.nextType) + "\n";
    }
    return faults;
}

// The data set with every piece the upright straight one, in a folder of the soak's own.
class SoakFolder {
public:
    SoakFolder() {
        char pattern[] = "/tmp/tumblox-soak-XXXXXX";
        if (mkdtemp(pattern) == nullptr) return;
        path_ = pattern;
        for (const auto& entry : std::filesystem::directory_iterator(TUMBLOX_RUN_DIR)) {
            if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), path_ / entry.path().filename());
        }
        std::string shapes;
        for (int rotation = 0; rotation < kPieceTypes * kRotations; ++rotation) shapes += "1 0 0 0\n1 0 0 0\n1 0 0 0\n1 0 0 0\n\n";
        std::FILE* file = std::fopen((path_ / "Block.Dat").c_str(), "w");
        if (file == nullptr) return;
        std::fputs(shapes.c_str(), file);
        std::fclose(file);
    }
    ~SoakFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The height of the pile in a play column: rows from the floor up to its highest cell.
int PileHeight(int column) {
    for (int r = 0; r < kBoardRows - 1; ++r) {
        if (Board[r * kBoardColumns + column] != 0) return kBoardRows - 1 - r;
    }
    return 0;
}

class RandomPlayer {
public:
    void Play() {
        if (FallingPiece.row < lastRow_) NewPiece();
        lastRow_ = FallingPiece.row;

        // One column a tick towards the target, the left button held once it is there. This
        // tick has read the cursor already and steps by it after this frame; what is fed now
        // is the next tick's.
        const int travel = MouseState.currentX - MouseState.referenceX;
        const int sensitivity = TickControl.mouseSensitivity;
        const int column = FallingPiece.column + (travel > sensitivity ? 1 : travel < -sensitivity ? -1 : 0);
        const int step = column < target_ ? 1 : column > target_ ? -1 : 0;
        int dx = step * (sensitivity + 1);
        if (Chance(25)) dx += Between(-60, 60);  // a sweep that may send the piece astray
        FeedMouseMotion(dx, Between(-3, 3));
        Hold(VK_LBUTTON, step == 0 && !Chance(10));
        if (Chance(15)) Tap(VK_RBUTTON);
        // The sensitivity wanders, and comes back before steering needs sweeps across the screen.
        if (Chance(400)) Tap(TickControl.mouseSensitivity > 40 ? VK_NEXT : TickControl.mouseSensitivity < 8 ? VK_PRIOR
                                                                  : Chance(2) ? VK_PRIOR : VK_NEXT);
        if (Chance(3000)) FeedMessage(kSysCommand, kSysClose, 0);
        if (Chance(3000)) FeedMessage(kBeyondTable + static_cast<UINT>(Between(0, 60000)), 0, 0);
    }

private:
    void NewPiece() {
        int lowest = kBoardRows;
        std::vector<int> columns;
        for (int c = 1; c < kBoardColumns - 1; ++c) {
            const int height = PileHeight(c);
            if (height < lowest) columns.clear();
            if (height <= lowest) columns.push_back(c);
            lowest = std::min(lowest, height);
        }
        target_ = columns[static_cast<std::size_t>(Between(0, static_cast<int>(columns.size()) - 1))];
    }
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    void Hold(int key, bool down) {
        if (down != leftDown_) FeedKey(key, down);
        leftDown_ = down;
    }
    void Tap(int key) {
        FeedKey(key, true);
        FeedKey(key, false);
    }

    std::mt19937 random_{20261207};
    int target_ = kSpawnColumn;
    std::int16_t lastRow_ = 0;
    bool leftDown_ = false;
};

}  // namespace

TEST(Soak, AMillionTicksInConstantMemoryWithTheWellIntact) {
    const SoakFolder folder;
    ASSERT_EQ(chdir(folder.Path().c_str()), 0) << "no folder for the game's data";
    headless::SetLayout565(true);

    RandomPlayer player;
    long ticks = 0;
    long baseline = 0, mostGrowth = 0;
    std::int16_t lastTickCounter = TickControl.tickCounter;
    const auto started = std::chrono::steady_clock::now();
    headless::OnPresent([&](int, const std::uint16_t*) {
        // Every tick counts up its counter before it presents; the frames of a row clear are
        // presented inside one tick and leave it as it is.
        if (TickControl.tickCounter == lastTickCounter) return;
        lastTickCounter = TickControl.tickCounter;
        ++ticks;
        player.Play();
        if (ticks % kCheckEvery != 0) return;

        // The backend's own record of boxes and sounds is for short tests, not the game's memory.
        headless::ClearRecords();
        const long resident = ResidentBytes();
        if (ticks == kCheckEvery) baseline = resident;
        mostGrowth = std::max(mostGrowth, resident - baseline);
        EXPECT_LE(resident - baseline, kMostGrowth) << "at tick " << ticks;
        const std::string faults = WellFaults();
        EXPECT_EQ(faults, "") << "at tick " << ticks;
        if (ticks % (10 * kCheckEvery) == 0) {
            std::printf("tick %ld: resident %ld KiB, %+ld KiB since tick %ld; %ld frames clearing rows\n", ticks,
                        resident / 1024, (resident - baseline) / 1024, kCheckEvery,
                        headless::PresentCount() - ticks - kIntroFrames);
            std::fflush(stdout);
        }
        if (ticks == kTicks) FeedMessage(WM_CLOSE, 0, 0);
    });

    EXPECT_EQ(WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%ld ticks, %d frames (%ld of them clearing rows) in %.1f s; resident at tick %ld: %ld KiB, "
                "most growth after: %ld KiB\n",
                ticks, headless::PresentCount(), headless::PresentCount() - ticks - kIntroFrames, seconds, kCheckEvery,
                baseline / 1024, mostGrowth / 1024);
    EXPECT_GE(ticks, kTicks);
    EXPECT_GT(headless::PresentCount() - ticks - kIntroFrames, 0) << "no row was ever cleared";
    EXPECT_GT(baseline, 0);
}

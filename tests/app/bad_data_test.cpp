// The data set damaged one file and one way at a time (cut short, bytes changed, sizes of
// nothing or of everything, a broken signature, emptied, a folder in its place), each time
// under the whole game with a little play: it must say what is wrong and stop, or start and
// play, and never crash, hang or trip a sanitizer. One table for each outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>

#include "game_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kPlayedFrames = 16;  // the intro and the first ticks of play
// Pushes down, steers and turns the first piece, so blocks are drawn in the well too.
const std::string kPlay =
    "0 cursor 320 240\n7 down lbutton\n9 move -200 0\n11 move 400 0\n13 tap rbutton\n";
constexpr int kLongestRunSeconds = 10;

// A pack: a 16-byte signature, the layout byte, the image count, then the first image's width
// and height. A picture: its width and height less one at 8, in a 128-byte head.
constexpr int kCountOffset = 17;
constexpr int kFirstImageSides = 19;
constexpr int kPictureSides = 8;

const std::string kDataFileBox =
    "box \"Blokfal\" \"당신은 게임을 수정하였습니다.\\n왜 그러신거죠? 게임을 제대로 즐길 수 "
    "없을겁니다.!!후훗..-_-+\" 16";

const std::vector<std::string> kPlayPacks = {"Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"};

// One way to damage a file: its bytes changed, or with no change a folder in its place.
struct Damage {
    std::string how;
    std::function<void(Bytes&)> change;
};

Damage CutTo(std::size_t length)
{
    return {"cut to " + std::to_string(length), [length](Bytes& bytes) { bytes.resize(length); }};
}

// Bytes from offset on all set to value (the sizes: 0x00 for 0, 0xFF for 65535).
Damage Filled(const std::string& how, int offset, int count, std::uint8_t value)
{
    return {how, [=](Bytes& bytes) { std::fill_n(bytes.begin() + offset, count, value); }};
}

// Eight bytes given other values, at places that are the same on every run; in round 0 only
// in the file's head, where a changed byte matters most.
Damage Scrambled(unsigned round)
{
    return {"scrambled, round " + std::to_string(round), [round](Bytes& bytes) {
                std::mt19937 random(static_cast<unsigned>(bytes.size()) + round);
                const std::size_t span = round == 0 ? std::min<std::size_t>(bytes.size(), 128)
                                                    : bytes.size();
                for (int n = 0; n < 8; ++n) {
                    bytes[random() % span] ^= static_cast<std::uint8_t>(1 + random() % 255);
                }
            }};
}

const Damage kHalved{"cut in half", [](Bytes& bytes) { bytes.resize(bytes.size() / 2); }};
const Damage kLastByteLost{"last byte lost", [](Bytes& bytes) { bytes.pop_back(); }};
const Damage kFirstByteChanged{"first byte changed", [](Bytes& bytes) { bytes[0] ^= 0x20; }};
const Damage kEmptied{"emptied", [](Bytes& bytes) { bytes.clear(); }};
const Damage kFolder{"a folder in its place", nullptr};
const std::vector<Damage> kScrambles = {Scrambled(0), Scrambled(1), Scrambled(2)};

// Just before, inside and just after the signature, and the image count.
const std::vector<Damage> kPackHeadDamages = {
    CutTo(1), CutTo(16), CutTo(18), Filled("image count 0", kCountOffset, 2, 0), kEmptied, kFolder,
    {"signature broken", [](Bytes& bytes) { bytes[8] ^= 0x20; }},  // "Quellin qSF V1'"
};

// What the game must do. A stop shows exactly one message, the data-file one, and loads
// nothing after it; a start plays on, its first message firstBox ("" for none at all), any
// messages when there is none.
struct Outcome {
    bool mayStop;
    bool mayPlay;
    std::optional<std::string> firstBox;
};
const Outcome kStops{true, false, ""};
const Outcome kPlaysQuietly{false, true, ""};
const Outcome kPlaysOn{false, true, std::nullopt};

void ExpectOutcome(const HeadlessRun& run, const Outcome& outcome)
{
    EXPECT_EQ(run.errors, "") << "not even a sanitizer may speak";
    const std::vector<std::string> boxes = run.LinesStartingWith("box");
    if (run.status != 0) {
        EXPECT_TRUE(outcome.mayStop) << "stopped";
        EXPECT_EQ(boxes, std::vector<std::string>{kDataFileBox});
        EXPECT_EQ(run.LinesStartingWith("sound"), SampleFrees(false));
        EXPECT_EQ(run.FrameCount(), 0);
        EXPECT_EQ(run.status, 1);
        return;
    }
    EXPECT_TRUE(outcome.mayPlay) << "played on";
    EXPECT_GE(run.FrameCount(), kPlayedFrames);
    if (outcome.firstBox == "") {
        EXPECT_TRUE(boxes.empty());
    } else if (outcome.firstBox) {
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.front(), *outcome.firstBox);
    }
}

// Each damage done to each of the files in turn, the others left whole.
void ExpectEach(const std::vector<std::string>& files, const std::vector<Damage>& damages,
                const Outcome& outcome)
{
    const GameFolder folder;
    for (const std::string& file : files) {
        const Bytes original = folder.Read(file);
        for (const Damage& damage : damages) {
            SCOPED_TRACE(file + " " + damage.how);
            Bytes damaged = original;
            folder.Remove(file);
            if (damage.change) {
                damage.change(damaged);
                folder.Write(file, damaged);
            } else {
                std::filesystem::create_directory(folder.PathOf(file));
            }
            const std::vector<std::string> args = {"--trace", "--max-frames", "16"};
            ExpectOutcome(folder.Run(args, kPlay, kLongestRunSeconds), outcome);
            folder.Remove(file);
            folder.Write(file, original);
        }
    }
}

}  // namespace

TEST(BadData, APlayPackWithoutItsHeadStopsTheGameWithTheDataFileMessage)
{
    ExpectEach(kPlayPacks, kPackHeadDamages, kStops);
    ExpectEach(kPlayPacks, kScrambles, {true, true, std::nullopt});
}

TEST(BadData, TheBannerPackShapesAndSoundsAreLeftOutWithoutAWord)
{
    ExpectEach({"Combo.Qsf"}, kPackHeadDamages, kPlaysQuietly);
    ExpectEach({"Block.Dat", "Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav", "BGM.Mp3"},
               {CutTo(1), kHalved, kLastByteLost, kFirstByteChanged, Scrambled(0), Scrambled(1),
                kEmptied, kFolder},
               kPlaysQuietly);
}

TEST(BadData, DamageInsideAPackOrThePictureNeverStopsTheGame)
{
    const std::vector<Damage> inside = {CutTo(19), CutTo(21), CutTo(23), kHalved, kLastByteLost,
                                        Filled("image count 65535", kCountOffset, 2, 0xFF)};
    ExpectEach(kPlayPacks, inside, kPlaysOn);
    ExpectEach({"Combo.Qsf"}, inside, kPlaysOn);
    ExpectEach({"Combo.Qsf"}, kScrambles, kPlaysOn);
    ExpectEach({"BACK1.Qsf"}, kScrambles, kPlaysOn);
    ExpectEach({"BACK1.Qsf"}, {CutTo(128), CutTo(129), kHalved, kLastByteLost, kFirstByteChanged},
               kPlaysOn);
}

TEST(BadData, AWidthThatIsNoMultipleOfFourIsRefusedWithItsMessage)
{
    const Outcome refused{false, true, "box \"QDDraw\" \"가로크기가 4의배수가 아닙니다.\" 0"};
    const Damage allSides = Filled("first image's sides 65535", kFirstImageSides, 4, 0xFF);
    ExpectEach(kPlayPacks, {allSides}, refused);
    ExpectEach({"Combo.Qsf"}, {allSides}, refused);
    ExpectEach({"BACK1.Qsf"}, {Filled("sides 0", kPictureSides, 4, 0)}, refused);
}

TEST(BadData, ADamagedPictureIsReportedAndTheGamePlaysWithoutIt)
{
    const Damage allSides = Filled("sides 65535", kPictureSides, 4, 0xFF);
    ExpectEach({"BACK1.Qsf"}, {CutTo(1), CutTo(127), allSides, kEmptied, kFolder},
               {false, true, "box \"QDDraw\" \"BACK1.Qsf 파일이 손상되었습니다.\" 0"});
}

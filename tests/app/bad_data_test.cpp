// Every data file of the game damaged in the ways files get damaged (cut short, bytes
// changed, sizes of nothing or of everything, a broken signature, emptied, a folder in its
// place), each time under the whole game: it must say what is wrong and stop, or start and
// play, and never crash, hang or trip a sanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

#include "game_folder.h"
#include "headless_run.h"

namespace {

constexpr int kPlayedFrames = 16;  // the intro and the first ticks of play
// Pushes down, steers and turns the first piece, so blocks are drawn in the well too.
const std::string kPlay = "0 cursor 320 240\n7 down lbutton\n9 move -200 0\n11 move 400 0\n13 tap rbutton\n";
constexpr auto kLongestRun = std::chrono::seconds(10);

constexpr std::size_t kPackHeadSize = 19;   // signature, layout byte, image count
constexpr std::size_t kCountOffset = 17;
constexpr std::size_t kFirstImageSizes = kPackHeadSize;  // width, then height
constexpr std::size_t kPictureSizes = 8;                 // Xmax, then Ymax
constexpr std::size_t kPictureHeadSize = 128;
const char kSignature[] = "Quellin QSF V1'";

const std::string kDataFileBox =
    "box \"Blokfal\" \"당신은 게임을 수정하였습니다.\\n왜 그러신거죠? 게임을 제대로 즐길 수 "
    "없을겁니다.!!후훗..-_-+\" 16";
const std::string kDamagedPictureBox = "box \"QDDraw\" \"BACK1.Qsf 파일이 손상되었습니다.\" 0";
const std::string kWidthBox = "box \"QDDraw\" \"가로크기가 4의배수가 아닙니다.\" 0";

enum class Kind { PlayPack, BannerPack, Picture, Shapes, Sound };

Kind KindOf(const std::string& name)
{
    if (name == "Combo.Qsf") return Kind::BannerPack;
    if (name == "BACK1.Qsf") return Kind::Picture;
    if (name == "Block.Dat") return Kind::Shapes;
    if (name.ends_with(".Wav") || name.ends_with(".Mp3")) return Kind::Sound;
    return Kind::PlayPack;
}

// What the game must do with one damaged file.
struct Expected {
    bool starts = true;
    bool quiet = false;    // starts without a single message
    std::string box;       // when set, the first message shown (and the only one of a stop)
};

// A play pack passes the data-file check only with its whole signature and images counted.
bool PackHeadIntact(const std::vector<std::uint8_t>& bytes)
{
    return bytes.size() >= kPackHeadSize && std::equal(kSignature, kSignature + 16, bytes.begin()) &&
           (bytes[kCountOffset] | bytes[kCountOffset + 1]) != 0;
}

// The expectation when nothing more than the kind of file and its damaged bytes is known.
Expected ForBytes(Kind kind, const std::vector<std::uint8_t>& bytes)
{
    switch (kind) {
    case Kind::PlayPack:
        if (!PackHeadIntact(bytes)) return {false, false, kDataFileBox};
        return {};
    case Kind::Picture:
        if (bytes.size() < kPictureHeadSize) return {true, false, kDamagedPictureBox};
        return {};
    case Kind::BannerPack:
        return {};
    case Kind::Shapes:
    case Kind::Sound:
        return {true, true, ""};
    }
    return {};
}

struct Damaged {
    std::string how;
    std::vector<std::uint8_t> bytes;
    Expected expected;
};

std::string Describe(const HeadlessRun& run)
{
    std::string text = "status " + std::to_string(run.status) + ", " + std::to_string(run.FrameCount()) + " frames";
    for (const std::string& box : run.LinesStartingWith("box")) text += "\n  " + box;
    return text + "\n" + run.errors;
}

void ExpectSoundEnd(const HeadlessRun& run, const Expected& expected, const std::string& what)
{
    SCOPED_TRACE(what + ": " + Describe(run));
    EXPECT_EQ(run.errors.find("Sanitizer"), std::string::npos);
    EXPECT_EQ(run.errors.find("runtime error"), std::string::npos);
    const std::vector<std::string> boxes = run.LinesStartingWith("box");
    if (expected.starts) {
        EXPECT_EQ(run.status, 0);
        EXPECT_GE(run.FrameCount(), kPlayedFrames);
    } else {
        EXPECT_NE(run.status, 0);
        EXPECT_EQ(run.FrameCount(), 0);
    }
    if (!expected.starts) {
        EXPECT_EQ(boxes, std::vector<std::string>{expected.box});
    } else if (!expected.box.empty()) {
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.front(), expected.box);
    }
    if (expected.quiet) {
        EXPECT_TRUE(boxes.empty());
    }
}

std::vector<std::uint8_t> Cut(const std::vector<std::uint8_t>& bytes, std::size_t length)
{
    return std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(length));
}

// Ends just before, at and after each boundary the file's reader meets, and inside the data.
// The sound files are only opened by the headless sound device, so one cut and no changed
// bytes are enough there.
std::vector<Damaged> Truncations(Kind kind, const std::vector<std::uint8_t>& bytes)
{
    const std::size_t size = bytes.size();
    std::vector<std::size_t> lengths;
    switch (kind) {
    case Kind::PlayPack:
    case Kind::BannerPack:
        lengths = {1, 16, 18, kPackHeadSize, kPackHeadSize + 2, kPackHeadSize + 4, size / 2, size - 1};
        break;
    case Kind::Picture:
        lengths = {1, kPictureHeadSize - 1, kPictureHeadSize, kPictureHeadSize + 1, size / 2, size - 1};
        break;
    case Kind::Shapes:
        lengths = {1, size / 2, size - 1};
        break;
    case Kind::Sound:
        lengths = {size / 2};
        break;
    }
    std::vector<Damaged> damaged;
    for (const std::size_t length : lengths) {
        const std::vector<std::uint8_t> cut = Cut(bytes, length);
        damaged.push_back({"cut to " + std::to_string(length) + " bytes", cut, ForBytes(kind, cut)});
    }
    return damaged;
}

// A few bytes at random places given other values; the same places on every run.
std::vector<Damaged> Flips(Kind kind, const std::vector<std::uint8_t>& bytes)
{
    std::vector<Damaged> damaged;
    std::mt19937 random(static_cast<unsigned>(bytes.size()));
    const int rounds = kind == Kind::Sound ? 0 : 3;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::uint8_t> flipped = bytes;
        // The head of the file in one round: that is where a changed byte matters most.
        const std::size_t span = round == 0 ? std::min<std::size_t>(bytes.size(), kPictureHeadSize) : bytes.size();
        for (int n = 0; n < 8; ++n) {
            flipped[random() % span] ^= static_cast<std::uint8_t>(1 + random() % 255);
        }
        damaged.push_back({"bytes changed, round " + std::to_string(round), flipped, ForBytes(kind, flipped)});
    }
    return damaged;
}

std::vector<std::uint8_t> WithWord(std::vector<std::uint8_t> bytes, std::size_t offset, unsigned value)
{
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    return bytes;
}

// The sizes a file declares set to 0 and to 65535.
std::vector<Damaged> Sizes(Kind kind, const std::vector<std::uint8_t>& bytes)
{
    std::vector<Damaged> damaged;
    for (const unsigned value : {0u, 65535u}) {
        const std::string to = " set to " + std::to_string(value);
        switch (kind) {
        case Kind::PlayPack:
        case Kind::BannerPack: {
            std::vector<std::uint8_t> count = WithWord(bytes, kCountOffset, value);
            damaged.push_back({"image count" + to, count, ForBytes(kind, count)});
            std::vector<std::uint8_t> sides = WithWord(WithWord(bytes, kFirstImageSizes, value), kFirstImageSizes + 2, value);
            // A side of 65535 is no multiple of 4: the image is refused with that message.
            Expected expected = ForBytes(kind, sides);
            if (value == 65535) expected.box = kWidthBox;
            damaged.push_back({"first image's sides" + to, sides, expected});
            break;
        }
        case Kind::Picture: {
            std::vector<std::uint8_t> sides = WithWord(WithWord(bytes, kPictureSizes, value), kPictureSizes + 2, value);
            damaged.push_back({"picture sides" + to, sides, {true, false, value == 0 ? kWidthBox : kDamagedPictureBox}});
            break;
        }
        case Kind::Shapes:
        case Kind::Sound:
            break;
        }
    }
    return damaged;
}

std::vector<Damaged> Breakages(Kind kind, const std::vector<std::uint8_t>& bytes)
{
    std::vector<Damaged> damaged;
    std::vector<std::uint8_t> signature = bytes;
    signature[kind == Kind::PlayPack || kind == Kind::BannerPack ? 8 : 0] ^= 0x20;  // "qSF", "riff"...
    damaged.push_back({"signature broken", signature, ForBytes(kind, signature)});
    damaged.push_back({"emptied", {}, ForBytes(kind, {})});
    return damaged;
}

class BadData : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(BadData, SaysSoOrPlays)
{
    const std::string& name = GetParam();
    const Kind kind = KindOf(name);
    const GameFolder folder;
    const std::vector<std::uint8_t> original = folder.Read(name);
    ASSERT_GT(original.size(), kPictureHeadSize) << name;

    std::vector<Damaged> cases = Truncations(kind, original);
    for (auto* more : {&Flips, &Sizes, &Breakages}) {
        std::vector<Damaged> added = more(kind, original);
        cases.insert(cases.end(), added.begin(), added.end());
    }
    const auto play = [&](const std::string& what, const Expected& expected) {
        const auto start = std::chrono::steady_clock::now();
        const HeadlessRun run = RunHeadless(folder.Path(), {"--trace", "--max-frames", std::to_string(kPlayedFrames)}, kPlay);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kLongestRun) << what;
        ExpectSoundEnd(run, expected, name + " " + what);
    };
    for (const Damaged& damage : cases) {
        folder.Write(name, damage.bytes);
        play(damage.how, damage.expected);
    }

    // A folder of the file's name: it opens, but nothing can be read from it.
    folder.Remove(name);
    std::filesystem::create_directory(folder.PathOf(name));
    play("a folder in its place", ForBytes(kind, {}));
}

INSTANTIATE_TEST_SUITE_P(EveryDataFile, BadData,
                         ::testing::Values("Block.Dat", "Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf",
                                           "Combo.Qsf", "Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav",
                                           "BGM.Mp3", "BACK1.Qsf"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

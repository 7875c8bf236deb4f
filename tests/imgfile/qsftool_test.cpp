// qsftool run as a user runs it: what info says, pictures through a pack or a background
// picture and back, and bad input refused in one line with nothing left behind. How the
// game's readers take each kind of damage is pinned by the pack and picture tests.
#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

#include "imgfile/image_files.h"
#include "imgfile/pcx_writer.h"
#include "imgfile/program_run.h"
#include "imgfile/qsf_writer.h"

namespace fs = std::filesystem;

namespace {

RgbImage RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    RgbImage picture{width, height, {}};
    for (int n = 0; n < width * height * 3; ++n)
        picture.rgb.push_back(static_cast<std::uint8_t>(random()));
    return picture;
}

// The picture as it comes back: each channel cut to its top 5 bits (green in 5-6-5: 6) and
// widened back by repeating them.
RgbImage AsStored(RgbImage picture, bool is565) {
    for (std::size_t n = 0; n < picture.rgb.size(); ++n) {
        const int bits = is565 && n % 3 == 1 ? 6 : 5;
        const unsigned top = picture.rgb[n] >> (8 - bits);
        picture.rgb[n] = static_cast<std::uint8_t>(top << (8 - bits) | top >> (2 * bits - 8));
    }
    return picture;
}

void ExpectSamePicture(const fs::path& path, const RgbImage& expected) {
    RgbImage read;
    ASSERT_TRUE(ReadPng(path.string(), &read)) << path;
    EXPECT_EQ(std::tie(read.width, read.height), std::tie(expected.width, expected.height));
    EXPECT_TRUE(read.rgb == expected.rgb) << path;
}

struct QsftoolTest : ::testing::Test {
    ScratchDir scratch;
    fs::path in = scratch.path / "in";
    fs::path out = scratch.path / "out";

    void SetUp() override {
        fs::create_directories(in);
        fs::create_directories(out);
    }

    ProgramRun Qsftool(std::vector<std::string> words) {
        words.insert(words.begin(), QSFTOOL_PATH);
        return RunProgram(words, scratch.path);
    }

    // Refused: status 1, one line on stderr naming the file and the problem, no output.
    void ExpectRefused(const std::vector<std::string>& words, const std::string& file,
                       const std::string& says) {
        SCOPED_TRACE(words[0] + " " + file);
        const ProgramRun run = Qsftool(words);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
        EXPECT_TRUE(fs::is_empty(out)) << "output left behind";
    }
};

// Pictures made into a pack in either layout, or into a background picture, come back from
// topng with the bit-replicated pixels; info tells what each file holds.
TEST_F(QsftoolTest, PackOrPictureThenInfoAndTopng) {
    const RgbImage pictures[] = {RandomPicture(8, 3, 4), RandomPicture(4, 5, 5),
                                 RandomPicture(16, 1, 6)};
    const std::string pack = (out / "sprites.qsf").string();
    const std::string picture = (out / "back.pcx").string();
    std::vector<std::string> packWords = {"pack", pack, "--format", ""};
    for (std::size_t n = 0; n < 3; ++n) {
        packWords.push_back((in / ("p" + std::to_string(n) + ".png")).string());
        ASSERT_TRUE(WritePng(packWords.back(), pictures[n]));
    }
    for (const bool is565 : {true, false}) {
        SCOPED_TRACE(is565 ? "5-6-5" : "5-5-5");
        packWords[3] = is565 ? "565" : "555";
        ASSERT_EQ(Qsftool(packWords).status, 0);
        const fs::path folder = out / (is565 ? "from565" : "from555");
        const ProgramRun run = Qsftool({"topng", pack, folder.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        for (std::size_t n = 0; n < 3; ++n) {
            const fs::path png = folder / ("00" + std::to_string(n) + ".png");
            ExpectSamePicture(png, AsStored(pictures[n], is565));
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
    }
    EXPECT_EQ(Qsftool({"info", pack}).out,
              pack + ": sprite pack, 5-5-5 pixels, 3 image(s)\n"
                     "  000  8x3\n  001  4x5\n  002  16x1\n");

    // A background picture comes back at 5-6-5.
    ASSERT_EQ(Qsftool({"picture", packWords[4], picture}).status, 0);
    EXPECT_EQ(Qsftool({"info", picture}).out,
              picture + ": background picture, 8x3, 24-bit colour\n");
    const ProgramRun run = Qsftool({"topng", picture, (out / "again.png").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectSamePicture(out / "again.png", AsStored(pictures[0], true));
}

// A file that is neither, a damaged pack, a damaged picture and a missing file. Every kind of
// damage the game's readers meet is pinned by their own tests.
TEST_F(QsftoolTest, DamagedPacksAndPicturesAreRefusedByInfoAndTopng) {
    Bytes cutPack = PackHeader(1, 1);
    PutImage(cutPack, 4, 2, {1, 2, 3});
    const struct {
        const char* name;
        Bytes bytes;
        const char* says;
    } files[] = {
        {"notes.txt", Bytes(200, 'x'), "neither a sprite pack"},
        {"cut-in-pixels", cutPack, "cut short, 6 of its 16 pixel bytes"},
        {"run-past-row", PictureFile(3, 0, {0xC5, 1, 2, 3, 4, 5, 6, 7, 8, 9}), "1 run(s) cross"},
    };
    for (const auto& file : files) {
        const std::string path = (in / file.name).string();
        WriteBytes(path, file.bytes);
        ExpectRefused({"info", path}, path, file.says);
        ExpectRefused({"topng", path, (out / "result").string()}, path, file.says);
    }
    const std::string missing = (in / "missing").string();
    ExpectRefused({"topng", missing, (out / "result").string()}, missing, "no such file");
}

TEST_F(QsftoolTest, BadPngInputsAreRefusedByPackAndPicture) {
    const std::string good = (in / "good.png").string();
    ASSERT_TRUE(WritePng(good, RandomPicture(16, 16, 8)));
    WriteBytes(in / "text.png", Bytes(100, 'x'));
    ASSERT_TRUE(WritePng((in / "huge.png").string(), RandomPicture(5000, 1, 9)));
    ASSERT_TRUE(WritePng((in / "narrow.png").string(), RandomPicture(6, 2, 9)));
    for (auto [name, says] : {std::pair{"text.png", "not a PNG picture"},
                              {"huge.png", "larger than 4096x4096"},
                              {"narrow.png", "width 6 is not a multiple of 4"}}) {
        const std::string file = (in / name).string();
        ExpectRefused({"pack", (out / "p.qsf").string(), "--format=565", good, file}, file, says);
        ExpectRefused({"picture", file, (out / "b.pcx").string()}, file, says);
    }
}

// The first picture, already written, is taken away again when the second cannot be.
TEST_F(QsftoolTest, OutputThatCannotTakeItsPlaceLeavesNothing) {
    const std::string pack = (in / "sprites.qsf").string();
    ASSERT_TRUE(WriteQsfPack(pack, {RandomPicture(4, 1, 10), RandomPicture(4, 1, 11)}, 1));
    const fs::path folder = out / "sprites";
    fs::create_directories(folder / "001.png");  // the second picture cannot take its place
    const ProgramRun packRun = Qsftool({"topng", pack, folder.string()});
    EXPECT_EQ(packRun.status, 1);
    EXPECT_NE(packRun.err.find("001.png: exists and is not a regular file"), std::string::npos)
        << packRun.err;
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<fs::path>{"001.png"});
}

TEST_F(QsftoolTest, CommandLinesThatDoNotFitAreRefused) {
    const std::string pack = (out / "p.qsf").string();
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"frob"},
        {"info"},
        {"info", "--verbose", "x"},
        {"pack", pack, "--format", "888", "x.png"},
    };
    for (const auto& line : lines) {
        const ProgramRun run = Qsftool(line);
        EXPECT_EQ(run.status, 1) << (line.empty() ? "" : line.back());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(fs::is_empty(out));
    }
}

TEST_F(QsftoolTest, EveryCommandHasHelp) {
    for (const std::string command : {"", "info", "topng", "pack", "picture"}) {
        std::vector<std::string> words = {command, "--help"};
        if (command.empty()) words.erase(words.begin());
        const ProgramRun run = Qsftool(words);
        EXPECT_EQ(run.status, 0) << command;
        const std::string usage = "Usage: qsftool " + (command.empty() ? "COMMAND" : command);
        EXPECT_TRUE(run.out.starts_with(usage)) << run.out;
        if (command == "pack" || command == "picture") {
            EXPECT_NE(run.out.find("Alpha is ignored"), std::string::npos) << command;
        }
    }
}

}  // namespace

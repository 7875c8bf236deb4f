// qsftool run as a user runs it: what info says, pictures through a pack or a background
// picture and back, and every kind of bad input refused in one line with nothing left behind.
#include <algorithm>
#include <random>

#include "imgfile/image_files.h"
#include "imgfile/pcx_writer.h"
#include "imgfile/program_run.h"
#include "imgfile/qsf_writer.h"
#include "platform/png_file.h"

namespace fs = std::filesystem;

namespace {

RgbImage RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    RgbImage picture{width, height, {}};
    for (int n = 0; n < width * height * 3; ++n) picture.rgb.push_back(static_cast<std::uint8_t>(random()));
    return picture;
}

// A channel cut to its top `bits` and widened back by repeating them.
std::uint8_t Widened(std::uint8_t value, int bits) {
    const unsigned top = value >> (8 - bits);
    return static_cast<std::uint8_t>(top << (8 - bits) | top >> (2 * bits - 8));
}

RgbImage AsStored(const RgbImage& picture, bool is565) {
    RgbImage stored = picture;
    for (std::size_t n = 0; n < stored.rgb.size(); ++n)
        stored.rgb[n] = Widened(stored.rgb[n], is565 && n % 3 == 1 ? 6 : 5);
    return stored;
}

void ExpectSamePicture(const std::string& path, const RgbImage& expected) {
    RgbImage read;
    ASSERT_TRUE(ReadPng(path, &read)) << path;
    EXPECT_EQ(read.width, expected.width) << path;
    EXPECT_EQ(read.height, expected.height) << path;
    EXPECT_TRUE(read.rgb == expected.rgb) << path;
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
}

// A picture file head as a PCX encoder writes it: 3 planes of 8 bits, run-length encoded.
Bytes GamePicture(unsigned xMax, unsigned yMax, const Bytes& data, std::uint8_t planes = 3) {
    Bytes bytes = PictureFile(xMax, yMax, data);
    bytes[2] = 1;
    bytes[3] = 8;
    bytes[65] = planes;
    bytes[66] = static_cast<std::uint8_t>(xMax + 1);
    bytes[67] = static_cast<std::uint8_t>((xMax + 1) >> 8);
    return bytes;
}

Bytes PackOf(std::uint8_t format, unsigned count, unsigned width, unsigned height, std::size_t pixels) {
    Bytes bytes = PackHeader(format, count);
    PutImage(bytes, width, height, std::vector<std::uint16_t>(pixels, 0x1234));
    return bytes;
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
    void ExpectRefused(const std::vector<std::string>& words, const std::string& file, const std::string& says) {
        const ProgramRun run = Qsftool(words);
        const std::string context = words[0] + " " + file;
        EXPECT_EQ(run.status, 1) << context;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << context << ": " << run.err;
        EXPECT_NE(run.err.find(file), std::string::npos) << context << ": " << run.err;
        EXPECT_NE(run.err.find(says), std::string::npos) << context << ": " << run.err;
        EXPECT_TRUE(fs::is_empty(out)) << context << ": output left behind";
    }
};

TEST_F(QsftoolTest, InfoTellsPackPictureAndNeither) {
    const std::string pack = (in / "sprites.qsf").string();
    const std::string picture = (in / "back.pcx").string();
    const std::string text = (in / "notes.txt").string();
    ASSERT_TRUE(WriteQsfPack(pack, {RandomPicture(8, 2, 1), RandomPicture(4, 3, 2)}, 0));
    ASSERT_TRUE(WritePcx(picture, RandomPicture(12, 5, 3)));
    WriteBytes(text, Bytes(200, 'x'));

    const ProgramRun packRun = Qsftool({"info", pack});
    EXPECT_EQ(packRun.status, 0);
    EXPECT_EQ(packRun.out, pack + ": sprite pack, 5-5-5 pixels, 2 image(s)\n  000  8x2\n  001  4x3\n");
    const ProgramRun pictureRun = Qsftool({"info", picture});
    EXPECT_EQ(pictureRun.status, 0);
    EXPECT_EQ(pictureRun.out, picture + ": background picture, 12x5, 24-bit colour\n");
    ExpectRefused({"info", text}, text, "neither a sprite pack");
}

TEST_F(QsftoolTest, PackThenTopngGivesTheBitReplicatedPixels) {
    const std::vector<RgbImage> pictures = {RandomPicture(8, 3, 4), RandomPicture(4, 5, 5), RandomPicture(16, 1, 6)};
    std::vector<std::string> packWords = {"pack", (out / "sprites.qsf").string(), "--format", ""};
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        packWords.push_back((in / ("p" + std::to_string(n) + ".png")).string());
        ASSERT_TRUE(WritePng(packWords.back(), pictures[n]));
    }
    for (const bool is565 : {true, false}) {
        SCOPED_TRACE(is565 ? "5-6-5" : "5-5-5");
        packWords[3] = is565 ? "565" : "555";
        ASSERT_EQ(Qsftool(packWords).status, 0);
        const fs::path folder = out / (is565 ? "from565" : "from555");
        const ProgramRun run = Qsftool({"topng", packWords[1], folder.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        for (std::size_t n = 0; n < pictures.size(); ++n)
            ExpectSamePicture((folder / ("00" + std::to_string(n) + ".png")).string(), AsStored(pictures[n], is565));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
    }
}

TEST_F(QsftoolTest, PictureThenTopngGivesTheBitReplicatedPixels) {
    const RgbImage picture = RandomPicture(20, 7, 7);
    const std::string png = (in / "back.png").string();
    ASSERT_TRUE(WritePng(png, picture));
    ASSERT_EQ(Qsftool({"picture", png, (out / "back.pcx").string()}).status, 0);
    const ProgramRun run = Qsftool({"topng", (out / "back.pcx").string(), (out / "again.png").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectSamePicture((out / "again.png").string(), AsStored(picture, true));
}

TEST_F(QsftoolTest, DamagedPacksAndPicturesAreRefusedByInfoAndTopng) {
    struct Case {
        const char* name;
        Bytes bytes;
        const char* says;
    };
    Bytes byte15 = PackOf(1, 1, 4, 1, 4);
    byte15[15] = '!';
    Bytes lowerCase = PackOf(1, 1, 4, 1, 4);
    lowerCase[0] = 'q';
    const Bytes runPastRow = GamePicture(3, 0, {0xC5, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90});
    const Bytes fullHeader = PackHeader(1, 1);
    const Case cases[] = {
        {"missing", {}, "no such file"},
        {"cut-in-header", Bytes(fullHeader.begin(), fullHeader.begin() + 17), "inside its header"},
        {"cut-in-pixels", PackOf(1, 1, 4, 2, 3), "cut short, 6 of its 16 pixel bytes"},
        {"fewer-images", PackOf(1, 2, 4, 1, 4), "ends before image 1"},
        {"no-images", PackHeader(1, 0), "holds no images"},
        {"format-2", PackOf(2, 1, 4, 1, 4), "pixel format byte 2"},
        {"width-6", PackOf(1, 1, 6, 1, 6), "width is not a multiple of 4"},
        {"huge-image", PackOf(0, 1, 8192, 8192, 0), "larger than 4096x4096"},
        {"signature-byte-15", byte15, "neither"},
        {"signature-case", lowerCase, "neither"},
        {"picture-short-head", Bytes{10, 5, 1, 8, 0, 0}, "shorter than its 128-byte"},
        {"picture-one-plane", GamePicture(3, 0, Bytes(4, 1), 1), "1 plane(s) of 8 bits"},
        {"picture-width-641", GamePicture(640, 0, Bytes(1923, 1)), "width 641 is not a multiple of 4"},
        {"picture-side-0", GamePicture(3, 65535, {}), "a side of 0"},
        {"picture-huge", GamePicture(8191, 8191, {}), "larger than 4096x4096"},
        {"picture-cut", GamePicture(3, 1, Bytes(12, 1)), "ends in scan line 1 of 2"},
        {"picture-run-past-row", runPastRow, "cross the end of their plane row"},
    };
    for (const Case& c : cases) {
        const std::string file = (in / c.name).string();
        if (std::string(c.name) != "missing") WriteBytes(file, c.bytes);
        ExpectRefused({"info", file}, file, c.says);
        ExpectRefused({"topng", file, (out / "result").string()}, file, c.says);
    }
}

TEST_F(QsftoolTest, BadPngInputsAreRefusedByPackAndPicture) {
    const std::string good = (in / "good.png").string();
    ASSERT_TRUE(WritePng(good, RandomPicture(16, 16, 8)));
    const Bytes goodBytes = ReadBytes(good);
    struct Case {
        const char* name;
        Bytes bytes;
        const char* says;
    };
    const Case cases[] = {
        {"missing.png", {}, "no such file"},
        {"text.png", Bytes(100, 'x'), "not a PNG picture"},
        {"cut.png", Bytes(goodBytes.begin(), goodBytes.begin() + static_cast<long>(goodBytes.size() / 2)), ""},
        {"huge.png", {}, "larger than 4096x4096"},
    };
    for (const Case& c : cases) {
        const std::string file = (in / c.name).string();
        if (std::string(c.name) == "huge.png") ASSERT_TRUE(WritePng(file, RandomPicture(5000, 1, 9)));
        else if (std::string(c.name) != "missing.png") WriteBytes(file, c.bytes);
        ExpectRefused({"pack", (out / "p.qsf").string(), "--format", "565", good, file}, file, c.says);
        ExpectRefused({"picture", file, (out / "b.pcx").string()}, file, c.says);
    }
    const std::string narrow = (in / "narrow.png").string();
    ASSERT_TRUE(WritePng(narrow, RandomPicture(6, 2, 9)));
    ExpectRefused({"pack", (out / "p.qsf").string(), "--format=555", narrow}, narrow, "width 6 is not a multiple of 4");
    ExpectRefused({"picture", narrow, (out / "b.pcx").string()}, narrow, "width 6 is not a multiple of 4");
}

TEST_F(QsftoolTest, OutputThatCannotTakeItsPlaceLeavesNothing) {
    const std::string pack = (in / "sprites.qsf").string();
    ASSERT_TRUE(WriteQsfPack(pack, {RandomPicture(4, 1, 10), RandomPicture(4, 1, 11)}, 1));
    const fs::path folder = out / "sprites";
    fs::create_directories(folder / "001.png");  // the second picture cannot take its place
    const ProgramRun packRun = Qsftool({"topng", pack, folder.string()});
    EXPECT_EQ(packRun.status, 1);
    EXPECT_NE(packRun.err.find("001.png"), std::string::npos) << packRun.err;
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(folder)) left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<fs::path>{"001.png"});

    const std::string png = (in / "back.png").string();
    ASSERT_TRUE(WritePng(png, RandomPicture(4, 4, 12)));
    const ProgramRun pictureRun = Qsftool({"picture", png, (folder / "001.png").string()});
    EXPECT_EQ(pictureRun.status, 1);
    EXPECT_NE(pictureRun.err.find("not a regular file"), std::string::npos) << pictureRun.err;
    EXPECT_TRUE(fs::is_empty(folder / "001.png"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(QsftoolTest, CommandLinesThatDoNotFitAreRefused) {
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"frob"},
        {"info"},
        {"info", "--verbose", "x"},
        {"pack", (out / "p.qsf").string(), "x.png"},
        {"pack", (out / "p.qsf").string(), "--format", "565"},
        {"pack", (out / "p.qsf").string(), "--format", "888", "x.png"},
        {"pack", (out / "p.qsf").string(), "--format", "565", "--format", "555", "x.png"},
    };
    for (const auto& line : lines) {
        const ProgramRun run = Qsftool(line);
        EXPECT_EQ(run.status, 1) << (line.empty() ? "" : line[0]);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(fs::is_empty(out));
    }
}

TEST_F(QsftoolTest, EveryCommandHasHelp) {
    for (const std::string command : {"", "info", "topng", "pack", "picture"}) {
        std::vector<std::string> words = {"--help"};
        if (!command.empty()) words = {command, "--help"};
        const ProgramRun run = Qsftool(words);
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.rfind("Usage: qsftool " + (command.empty() ? "COMMAND" : command), 0), 0u) << run.out;
        if (command == "pack" || command == "picture") {
            EXPECT_NE(run.out.find("Alpha is ignored"), std::string::npos) << command;
        }
    }
}

}  // namespace

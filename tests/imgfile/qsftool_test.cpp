// qsftool run as a user runs it: pictures through a pack or a background picture and back,
// the latter also to and from ImageMagick, info telling what the game makes of each file, and
// bad input refused in one line with nothing left behind.
#include <algorithm>
#include <random>

#include "common/program_run.h"
#include "imgfile/image_files.h"
#include "imgfile/qsf_writer.h"

namespace fs = std::filesystem;

namespace {

RgbImage RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    RgbImage picture{width, height, {}};
    for (int n = 0; n < width * height * 3; ++n) picture.rgb.push_back(static_cast<std::uint8_t>(random()));
    return picture;
}

struct QsftoolTest : ::testing::Test {
    ScratchDir scratch;
    fs::path in = scratch.path / "in", out = scratch.path / "out";

    void SetUp() override { fs::create_directories(in), fs::create_directories(out); }

    ProgramRun Qsftool(std::vector<std::string> words) {
        words.insert(words.begin(), QSFTOOL_PATH);
        return RunProgram(words, scratch.path);
    }
};

// Pictures made into a pack in either layout come back from topng with the same 16-bit
// pixels; info tells the images' sizes.
TEST_F(QsftoolTest, PackThenInfoAndTopng) {
    const RgbImage pictures[] = {RandomPicture(8, 3, 4), RandomPicture(4, 5, 5), RandomPicture(16, 1, 6)};
    const std::string pack = (out / "sprites.qsf").string();
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
        for (std::size_t n = 0; n < 3; ++n)
            EXPECT_EQ(ReadPngAs16((folder / ("00" + std::to_string(n) + ".png")).string(), is565),
                      CutTo16(pictures[n], is565));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
    }
    EXPECT_NE(Qsftool({"info", pack}).out.find("  000  8x3\n  001  4x5\n  002  16x1\n"), std::string::npos);
}

// A background picture made by qsftool, or as a 24-bit PCX file by ImageMagick, comes back from
// topng, through the game's reader, as its source cut to 16 bits (5-6-5); ImageMagick reads
// ours as the very picture it was made from. Rows of every kind an encoder meets: noise, one
// value across the row (runs longer than 63), lone values that read as run headers, and short
// runs.
TEST_F(QsftoolTest, BackgroundPicturesPassBetweenUsTheGameAndImageMagick) {
    std::mt19937 random(2000);
    RgbImage source{100, 24, {}};
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 100; ++x)
            for (unsigned c = 0; c < 3; ++c) {
                const unsigned values[] = {static_cast<unsigned>(random()), 0xC7 + c, (x + c) % 2 ? 0xC0u : 0xFFu - x,
                                           x / 3u * 7 + y + c * 50};
                source.rgb.push_back(static_cast<std::uint8_t>(values[y % 4]));
            }
    const std::string png = (in / "source.png").string(), ours = (out / "ours.pcx").string();
    const std::string magick = (out / "magick.pcx").string(), rgb = (out / "ours.rgb").string();
    ASSERT_TRUE(WritePng(png, source));
    ASSERT_EQ(Qsftool({"picture", png, ours}).status, 0);
    if (RunProgram({"convert", "-version"}, scratch.path).status != 0) GTEST_SKIP() << "no ImageMagick convert";
    ASSERT_EQ(RunProgram({"convert", png, "-type", "TrueColor", "pcx:" + magick}, scratch.path).status, 0);
    for (const std::string& file : {ours, magick}) {
        const ProgramRun run = Qsftool({"topng", file, file + ".png"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadPngAs16(file + ".png", true), CutTo16(source, true)) << file;
    }
    ASSERT_EQ(RunProgram({"convert", ours, "-depth", "8", "rgb:" + rgb}, scratch.path).status, 0);
    EXPECT_TRUE(ReadBytes(rgb) == source.rgb);
}

// What the game reads all the same, info says how it reads it and topng refuses as damaged;
// what the game refuses, both refuse.
TEST_F(QsftoolTest, InfoSaysHowTheGameReadsEachFile) {
    Bytes cutPack = PackHeader(1, 1), oddLayout = PackHeader(2, 1), moreImages = PackHeader(0, 1);
    PutImage(cutPack, 4, 2, {1, 2, 3});
    PutImage(oddLayout, 4, 1, {1, 2, 3, 4});
    PutImage(moreImages, 4, 1, {1, 2, 3, 4});
    PutImage(moreImages, 4, 1, {1, 2, 3, 4});
    Bytes narrow = PackHeader(1, 1);
    PutImage(narrow, 6, 1, {1, 2, 3, 4, 5, 6});
    const struct {
        const char* name;
        Bytes bytes;
        const char* says;  // a line of info's, or with status 1 its complaint
        int status;
    } files[] = {
        {"cut-in-pixels", cutPack, "  image 0 (4x2): cut short, 6 of its 16 pixel bytes; the game shows the rest black\n", 0},
        {"layout-2", oddLayout, "from 5-5-5 on a 5-6-5 display and from 5-6-5 on a 5-5-5 one\n", 0},
        {"run-past-row", PictureFile(3, 0, {0xC5, 1, 2, 3, 4, 5, 6, 7, 8, 9}), "  1 run(s) cross the end of their plane row; the game cuts them there\n", 0},
        {"short-data", PictureFile(3, 1, {0xC4, 1, 0xC4, 2}), "  encoded data ends in scan line 0 of 2; the game shows the rest black\n", 0},
        {"more-images", moreImages, "  12 byte(s) after the images the header counts, read as further images where the game takes more from this pack\n", 0},
        {"narrow", narrow, "image 0 (6x1): width is not a multiple of 4", 1},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const std::string path = (in / file.name).string();
        WriteBytes(path, file.bytes);
        const ProgramRun info = Qsftool({"info", path});
        EXPECT_EQ(info.status, file.status) << info.err;
        EXPECT_NE((file.status == 0 ? info.out : info.err).find(file.says), std::string::npos) << info.out << info.err;
        if (std::string(file.name) == "more-images") continue;  // whole images to the header's count
        const ProgramRun topng = Qsftool({"topng", path, (out / "result").string()});
        EXPECT_EQ(topng.status, 1);
        EXPECT_TRUE(fs::is_empty(out)) << "output left behind";
    }
}

// Bad input is refused in one line naming the file and the problem, with status 1 and nothing
// left behind: not even the first picture, already written, when the second cannot take its
// place.
TEST_F(QsftoolTest, BadInputIsRefusedInOneLineLeavingNothing) {
    const std::string good = (in / "good.png").string(), text = (in / "text.png").string();
    const std::string narrow = (in / "narrow.png").string(), pack = (in / "sprites.qsf").string();
    ASSERT_TRUE(WritePng(good, RandomPicture(16, 16, 8)));
    ASSERT_TRUE(WritePng(narrow, RandomPicture(6, 2, 9)));
    WriteBytes(text, Bytes(100, 'x'));
    ASSERT_TRUE(WriteQsfPack(pack, {RandomPicture(4, 1, 10), RandomPicture(4, 1, 11)}, 1));
    fs::create_directories(out / "sprites" / "001.png");
    const std::string missing = (in / "missing").string();
    const struct {
        std::vector<std::string> words;
        std::string says;
    } refusals[] = {
        {{"pack", (out / "p.qsf").string(), "--format=565", good, text}, text + ": not a PNG picture"},
        {{"picture", narrow, (out / "b.pcx").string()}, narrow + ": width 6 is not a multiple of 4"},
        {{"topng", missing, (out / "result").string()}, missing + ": no such file"},
        {{"topng", pack, (out / "sprites").string()}, "001.png: exists and is not a regular file"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.says);
        const ProgramRun run = Qsftool(refusal.words);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(refusal.says), std::string::npos) << run.err;
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(out), fs::recursive_directory_iterator()), 2) << "output left behind";
    }
}

}  // namespace

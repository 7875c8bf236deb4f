#include <memory>

#include "gfx/surface.h"
#include "image_files.h"
#include "imgfile/picture_file.h"

namespace {

// The game's picture file, written into a scratch folder that is then the working folder, so
// the picture is opened by its bare name as the game does.
struct PictureInPlace {
    ScratchDir dir;
    explicit PictureInPlace(const Bytes& file) {
        WriteBytes(dir / "BACK1.Qsf", file);
        EXPECT_EQ(chdir(dir.path.c_str()), 0);
    }
};

struct Loaded {
    int result = -1;
    std::unique_ptr<Surface> picture = std::make_unique<Surface>();
};

Loaded Load(const Bytes& file) {
    PictureInPlace place(file);
    Loaded loaded;
    loaded.result = loaded.picture->LoadBackground("BACK1.Qsf");
    return loaded;
}

std::vector<std::uint16_t> AllPixels(const Surface& surface) {
    return PixelsOf(surface.pixels, std::size_t{surface.width} * surface.height);
}

// The background canvas as loading finds it, filled with a pattern and keyed, to see that a
// refused picture leaves it alone.
struct Untouched {
    Canvas canvas{640, 480};
    IDirectDrawSurface* before = nullptr;
    Untouched() {
        canvas.Fill(0x1234);
        canvas.SetColorKey(0x1234);
        before = canvas.surface;
    }
    void Check() const {
        EXPECT_EQ(canvas.surface, before);
        EXPECT_EQ(canvas.width, 640);
        EXPECT_EQ(canvas.height, 480);
        EXPECT_EQ(canvas.bltFlags, 1u);
        EXPECT_EQ(canvas.GetPixel(639, 479), 0x1234);
    }
};

void ExpectRefused(const Bytes& file, const std::string& message) {
    PictureInPlace place(file);
    Untouched target;
    EXPECT_EQ(target.canvas.LoadBackground("BACK1.Qsf"), 0);
    target.Check();
    const headless::MessageBoxRecord box = OnlyMessageBox();
    EXPECT_EQ(box.caption, "QDDraw");
    EXPECT_EQ(box.text, message);
}

}  // namespace

TEST(Background, FullScreenPictureReplacesTheSurface) {
    DisplayUp display(true);
    // Every plane row of 640 bytes: ten runs of 63 and one of 10.
    Bytes data;
    for (int line = 0; line < 480; ++line)
        for (std::uint8_t value : {255, 0, 255}) {
            for (int run = 0; run < 10; ++run) data.insert(data.end(), {0xFF, value});
            data.insert(data.end(), {0xCA, value});
        }
    PictureInPlace place(PictureFile(639, 479, data));
    Untouched target;
    target.canvas.SetTextRGB(1, 2, 3);
    EXPECT_EQ(target.canvas.LoadBackground("BACK1.Qsf"), 1);
    const Canvas& canvas = target.canvas;
    EXPECT_EQ(canvas.width, 640);
    EXPECT_EQ(canvas.height, 480);
    EXPECT_EQ(canvas.pitch, 1280);
    EXPECT_EQ(canvas.clipRight, 639);
    EXPECT_EQ(canvas.clipBottom, 479);
    EXPECT_EQ(canvas.bltFlags, 0u) << "a new surface has no colour key";
    EXPECT_EQ(AllPixels(canvas), std::vector<std::uint16_t>(640 * 480, 0xF81F));
    EXPECT_EQ(canvas.textGreen, 2);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST(Background, RunsAndLiterals) {
    DisplayUp display(true);
    // Red C3 7F C0: three 127s and a literal 192. Green: BF as a literal 191, and a run of 3.
    // Blue: FF 00 is a run of 63 zeros, cut at the row's end without spilling into the next line.
    const Bytes data = {0xC3, 0x7F, 0xC0, 0xBF, 0xC3, 0x08, 0xFF, 0x00,
                        0x80, 0x80, 0x80, 0x80, 0xC4, 0x40, 0x04, 0x08, 0x0C, 0x10};
    Loaded loaded = Load(PictureFile(3, 1, data));
    EXPECT_EQ(loaded.result, 1);
    ASSERT_EQ(loaded.picture->width, 4);
    ASSERT_EQ(loaded.picture->height, 2);
    EXPECT_EQ(AllPixels(*loaded.picture),
              (std::vector<std::uint16_t>{0x7DE0, 0x7840, 0x7840, 0xC040, 0x8200, 0x8201, 0x8201, 0x8202}));
}

TEST(Background, LongestRunIsSixtyThreeCopies) {
    DisplayUp display(false);
    const Bytes data = {0xFF, 0x08, 0x10, 0xFF, 0x00, 0xC1, 0x00, 0xFF, 0x00, 0x00};
    Loaded loaded = Load(PictureFile(63, 0, data));
    EXPECT_EQ(loaded.result, 1);
    EXPECT_EQ(loaded.picture->GetPixel(62, 0), 0x0400);
    EXPECT_EQ(loaded.picture->GetPixel(63, 0), 0x0800);
}

TEST(Background, ChannelsAreTruncatedInBothLayouts) {
    // (255,255,255), (255,0,255), (128,128,128), (7,3,7) side by side.
    // A value of 192 or more is written as a run of one (C1 xx).
    const Bytes data = {0xC1, 255, 0xC1, 255, 128, 7, 0xC1, 255, 0, 128, 3, 0xC1, 255, 0xC1, 255, 128, 7};
    for (bool is565 : {true, false}) {
        DisplayUp display(is565);
        Loaded loaded = Load(PictureFile(3, 0, data));
        const std::vector<std::uint16_t> expected =
            is565 ? std::vector<std::uint16_t>{0xFFFF, 0xF81F, 0x8410, 0} : std::vector<std::uint16_t>{0x7FFF, 0x7C1F, 0x4210, 0};
        EXPECT_EQ(AllPixels(*loaded.picture), expected);
    }
}

TEST(Background, DataAfterTheLastLineIsIgnored) {
    DisplayUp display(true);
    Bytes data = {0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0xFF};
    const Loaded exact = Load(PictureFile(3, 0, data));
    data.insert(data.end(), {0xFF, 0x55, 0x01, 0x02, 0xC9});
    const Loaded longer = Load(PictureFile(3, 0, data));
    EXPECT_EQ(longer.result, 1);
    EXPECT_EQ(longer.picture->height, 1);
    EXPECT_EQ(AllPixels(*longer.picture), AllPixels(*exact.picture));
    EXPECT_EQ(AllPixels(*exact.picture), std::vector<std::uint16_t>(4, 0xFFFF));
}

TEST(Background, DataEndingEarlyLeavesTheRestBlack) {
    DisplayUp display(true);
    const Bytes firstLine = {0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0xFF};
    // A second line with its red plane only, and a third missing; then one ending in a bare
    // run header, which must not be read past.
    for (Bytes tail : {Bytes{0xC4, 0x80}, Bytes{0xC4, 0x80, 0xC2}}) {
        Bytes data = firstLine;
        data.insert(data.end(), tail.begin(), tail.end());
        Loaded loaded = Load(PictureFile(3, 2, data));
        EXPECT_EQ(loaded.result, 1);
        std::vector<std::uint16_t> expected(12, 0);
        std::fill_n(expected.begin(), 4, 0xFFFF);
        EXPECT_EQ(AllPixels(*loaded.picture), expected);
    }
}

TEST(Background, DecoderReportsCutRunsAndMissingLines) {
    std::vector<std::uint16_t> picture(8);
    const PictureDecoding cut = DecodePicture({0xC6, 1, 0xC4, 2, 0xC5, 3, 0xC4, 4}, 4, 2, true, picture.data());
    EXPECT_EQ(cut.scanLines, 1u);
    EXPECT_EQ(cut.cutRuns, 2u);
    const PictureDecoding clean = DecodePicture({0xC4, 1, 0xC4, 2, 0xC4, 3}, 4, 1, true, picture.data());
    EXPECT_EQ(clean.scanLines, 1u);
    EXPECT_EQ(clean.cutRuns, 0u);
}

TEST(Background, WidthNotMultipleOf4IsRefused) {
    DisplayUp display(true);
    ExpectRefused(PictureFile(640, 479, {}), kWidthMessage);
}

TEST(Background, MissingFileIsNamed) {
    DisplayUp display(true);
    ScratchDir empty;
    ASSERT_EQ(chdir(empty.path.c_str()), 0);
    Untouched target;
    EXPECT_EQ(target.canvas.LoadBackground("BACK1.Qsf"), 0);
    target.Check();
    const headless::MessageBoxRecord box = OnlyMessageBox();
    EXPECT_EQ(box.caption, "QDDraw");
    EXPECT_EQ(box.text, "BACK1.Qsf 파일이 없습니다.");
}

TEST(Background, FileShorterThanItsHeadIsRefused) {
    DisplayUp display(true);
    Bytes shortFile = PictureFile(3, 0, {});
    shortFile.resize(127);
    ExpectRefused(shortFile, "BACK1.Qsf 파일이 손상되었습니다.");
}

TEST(Background, WidthOfZeroIsRefused) {
    DisplayUp display(true);
    ExpectRefused(PictureFile(65535, 0, {0xC4, 0, 0xC4, 0, 0xC4, 0}), "BACK1.Qsf 파일이 손상되었습니다.");
}

TEST(Background, HeightOfZeroIsRefused) {
    DisplayUp display(true);
    ExpectRefused(PictureFile(3, 65535, {0xC4, 0, 0xC4, 0, 0xC4, 0}), "BACK1.Qsf 파일이 손상되었습니다.");
}

TEST(Background, HugePictureIsRefusedBeforeAnyMemoryIsTaken) {
    DisplayUp display(true);
    ExpectRefused(PictureFile(65531, 65534, {0xC4, 0}), "그림이 너무 큽니다. (65532x65535, 최대 4096x4096)");
}

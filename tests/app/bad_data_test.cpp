// The data set damaged one file and one way at a time, each time under the whole game with a
// little play: it must say what is wrong and stop, or start and play, and never crash, hang or
// trip a sanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "game_folder.h"

namespace {

using Damage = std::function<void(Bytes&)>;  // none: a folder in the file's place

constexpr int kPlayedFrames = 16;  // the intro and the first ticks of play
// Pushes down, steers and turns the first piece, so blocks are drawn in the well too.
const std::string kPlay =
    "0 cursor 320 240\n7 down lbutton\n9 move -200 0\n11 move 400 0\n13 tap rbutton\n";

Damage Cut(std::size_t length) { return [length](Bytes& bytes) { bytes.resize(length); }; }
Damage Fill(int offset, int count, std::uint8_t value)
{
    return [=](Bytes& bytes) { std::fill_n(bytes.begin() + offset, count, value); };
}
const Damage kHalved = [](Bytes& bytes) { bytes.resize(bytes.size() / 2); };
const Damage kFolder;

// A stop shows exactly the data-file message, presents nothing and loads no sample; a start
// plays on, its first message firstBox ("" for none at all, no value for any).
struct Outcome {
    bool stops;
    std::optional<std::string> firstBox;
};

void ExpectOutcome(const HeadlessRun& run, const Outcome& outcome)
{
    EXPECT_EQ(run.errors, "") << "not even a sanitizer may speak";
    const std::vector<std::string> boxes = run.LinesStartingWith("box");
    EXPECT_EQ(run.status != 0, outcome.stops) << "status " << run.status;
    if (run.status != 0) {
        EXPECT_EQ(boxes, std::vector<std::string>{"box \"Blokfal\" \"당신은 게임을 수정하였습니다.\\n"
                                                  "왜 그러신거죠? 게임을 제대로 즐길 수 없을겁니다.!!후훗..-_-+\" 16"});
        EXPECT_EQ(run.LinesStartingWith("sound"), SampleFrees(false));
        EXPECT_EQ(std::pair(run.FrameCount(), run.status), std::pair(0, 1));
        return;
    }
    EXPECT_GE(run.FrameCount(), kPlayedFrames);
    const std::string firstBox = boxes.empty() ? "" : boxes.front();
    EXPECT_EQ(firstBox, outcome.firstBox.value_or(firstBox));
}

}  // namespace

TEST(BadData, EachDamageToEachFileStopsOrPlaysAsItShould)
{
    // A pack: the signature (its last byte a zero) at 0, the image count at 17, the first
    // image's width and height at 19. A picture: its width and height less one at 8.
    const std::vector<Damage> packHeads = {Cut(16), Cut(18), Fill(17, 2, 0), kFolder, Fill(8, 1, 'q'),
                                           Fill(15, 1, ' ')};
    const std::vector<std::string> playPacks = {"Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"};
    const std::vector<std::string> packs = {"Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf", "Combo.Qsf"};
    const std::string width = "box \"QDDraw\" \"가로크기가 4의배수가 아닙니다.\" 0";
    const std::string damaged = "box \"QDDraw\" \"BACK1.Qsf 파일이 손상되었습니다.\" 0";
    const Outcome stops{true, ""}, playsQuietly{false, ""}, playsOn{false, std::nullopt};
    const struct {
        std::vector<std::string> files;
        std::vector<Damage> damages;
        Outcome outcome;
    } rows[] = {
        {playPacks, packHeads, stops},
        // The banner, the shapes and the sounds are left out without a word.
        {{"Combo.Qsf"}, packHeads, playsQuietly},
        {{"Block.Dat", "Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav", "BGM.Mp3"},
         {Cut(1), kHalved, Cut(0), kFolder},
         playsQuietly},
        // Damage inside a pack or the picture never stops the game.
        {packs, {Cut(21), kHalved, Fill(17, 2, 0xFF)}, playsOn},
        {{"BACK1.Qsf"}, {Cut(128), kHalved}, playsOn},
        {packs, {Fill(19, 4, 0xFF)}, {false, width}},
        {{"BACK1.Qsf"}, {Fill(8, 4, 0)}, {false, width}},
        {{"BACK1.Qsf"}, {Cut(127), Fill(8, 4, 0xFF), Cut(0), kFolder}, {false, damaged}},
    };
    const GameFolder folder;
    for (const auto& row : rows) {
        for (const std::string& file : row.files) {
            const Bytes original = folder.Read(file);
            for (std::size_t n = 0; n < row.damages.size(); ++n) {
                SCOPED_TRACE(file + ", damage " + std::to_string(n) + " of row " + std::to_string(&row - rows));
                Bytes bytes = original;
                folder.Remove(file);
                if (row.damages[n]) {
                    row.damages[n](bytes);
                    folder.Write(file, bytes);
                } else {
                    std::filesystem::create_directory(folder.PathOf(file));
                }
                ExpectOutcome(folder.Run({"--trace", "--max-frames", "16"}, kPlay, 10), row.outcome);
                folder.Remove(file);
                folder.Write(file, original);
            }
        }
    }
}

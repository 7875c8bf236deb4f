// The sound library's calls: failed loads recorded like any call, null and stale handles.
// A refused version or start is left to the whole-game runs, which show what follows.
#include "platform/fsound/fsound.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/scratch_dir.h"
#include "platform/headless/headless.h"

namespace {

// A file the headless device can open, in the working folder.
class SoundFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(folder.path / "Flame.Wav") << "RIFF";
        std::filesystem::current_path(folder.path);
    }

    ScratchDir folder;
};

}  // namespace

// The file is there: the load told to fail gives no handle, the next one opens.
TEST_F(SoundFiles, InjectedLoadFailuresAreRecordedToo)
{
    headless::FailCall(host::Call::FSOUND_Sample_LoadWav);
    headless::FailCall(host::Call::FSOUND_Stream_OpenMpeg);
    EXPECT_EQ(FSOUND_Sample_LoadWav(-1, "Flame.Wav", 0x2000), nullptr);
    EXPECT_EQ(FSOUND_Stream_OpenMpeg("Flame.Wav", 0x2B), nullptr);
    EXPECT_EQ(headless::SoundCalls().size(), 2u);
    FSOUND_STREAM* tune = FSOUND_Stream_OpenMpeg("Flame.Wav", 0x2B);
    ASSERT_NE(tune, nullptr);
    EXPECT_GE(FSOUND_Stream_Play(-1, tune), 0);
    EXPECT_EQ(headless::SoundCalls().back(), "FSOUND_Stream_Play -1 Flame.Wav");
}

TEST_F(SoundFiles, NullAndFreedHandlesDoNothing)
{
    FSOUND_Sample_Free(nullptr);
    EXPECT_EQ(FSOUND_PlaySound(-1, nullptr), -1);
    EXPECT_EQ(FSOUND_Stream_Play(-1, nullptr), -1);
    EXPECT_EQ(FSOUND_Sample_LoadWav(-1, nullptr, 0), nullptr);
    FSOUND_SAMPLE* flame = FSOUND_Sample_LoadWav(-1, "Flame.Wav", 0x2000);
    EXPECT_GE(FSOUND_PlaySound(-1, flame), 0);
    FSOUND_Sample_Free(flame);
    // A sample freed twice, or played after it was freed, is no sample any more.
    FSOUND_Sample_Free(flame);
    EXPECT_EQ(FSOUND_PlaySound(-1, flame), -1);
    EXPECT_EQ(headless::SoundCalls().back(), "FSOUND_PlaySound -1 null");
    EXPECT_EQ(headless::SoundCalls()[headless::SoundCalls().size() - 2], "FSOUND_Sample_Free null");
}

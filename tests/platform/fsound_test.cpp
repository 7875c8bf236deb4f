// The sound library's calls: failures recorded like any call, null and stale handles.
#include "platform/fsound/fsound.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

namespace {

// A file the headless device can open, removed again at the end of the test.
class SoundFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("tumblox-fsound-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        std::FILE* file = std::fopen((folder / "Flame.Wav").c_str(), "wb");
        std::fputs("RIFF", file);
        std::fclose(file);
        std::filesystem::current_path(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

}  // namespace

TEST_F(SoundFiles, InjectedFailuresAreRecordedToo)
{
    headless::FailCall(host::Call::FSOUND_GetVersion);
    headless::FailCall(host::Call::FSOUND_Init);
    headless::FailCall(host::Call::FSOUND_Sample_LoadWav, 2);
    headless::FailCall(host::Call::FSOUND_Stream_OpenMpeg);
    std::filesystem::copy_file("Flame.Wav", "BGM.Mp3");

    EXPECT_EQ(FSOUND_GetVersion(), 3.1f);
    EXPECT_EQ(FSOUND_GetVersion(), 3.2f);
    EXPECT_EQ(FSOUND_Init(44100, 32, 0), 0);
    EXPECT_EQ(FSOUND_Init(44100, 32, 0), 1);
    EXPECT_NE(FSOUND_Sample_LoadWav(-1, "Flame.Wav", 0x2000), nullptr);
    EXPECT_EQ(FSOUND_Sample_LoadWav(-1, "Flame.Wav", 0x2000), nullptr);
    EXPECT_EQ(FSOUND_Stream_OpenMpeg("BGM.Mp3", 0x2B), nullptr);
    EXPECT_EQ(headless::SoundCalls().size(), 7u);
    // The file is there: once the failure is spent the stream opens and plays under its name.
    FSOUND_STREAM* tune = FSOUND_Stream_OpenMpeg("BGM.Mp3", 0x2B);
    ASSERT_NE(tune, nullptr);
    EXPECT_GE(FSOUND_Stream_Play(-1, tune), 0);
    EXPECT_EQ(headless::SoundCalls().back(), "FSOUND_Stream_Play -1 BGM.Mp3");
}

TEST_F(SoundFiles, NullAndFreedHandlesDoNothing)
{
    FSOUND_Sample_Free(nullptr);
    EXPECT_EQ(FSOUND_PlaySound(-1, nullptr), -1);
    EXPECT_EQ(FSOUND_Stream_Play(-1, nullptr), -1);
    EXPECT_EQ(FSOUND_Sample_LoadWav(-1, nullptr, 0), nullptr);
    FSOUND_SAMPLE* flame = FSOUND_Sample_LoadWav(-1, "Flame.Wav", 0x2000);
    FSOUND_Sample_Free(flame);
    // A sample freed twice, or played after it was freed, is no sample any more.
    FSOUND_Sample_Free(flame);
    EXPECT_EQ(FSOUND_PlaySound(-1, flame), -1);
    EXPECT_EQ(headless::SoundCalls().back(), "FSOUND_PlaySound -1 null");
    EXPECT_EQ(headless::SoundCalls()[headless::SoundCalls().size() - 2], "FSOUND_Sample_Free null");
}

// The sound library's calls: failed loads recorded like any call, null and stale handles.
// A refused version or start is left to the whole-game runs, which show what follows.
#include "platform/fsound/fsound.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/scratch_dir.h"
#include "platform/headless/headless.h"

// The file is there: the load told to fail gives no handle, the next one opens. A null,
// freed or twice freed handle does nothing and is recorded as null.
TEST(Fsound, FailedLoadsAreRecordedAndDeadHandlesDoNothing)
{
    const ScratchDir folder;
    std::ofstream(folder.path / "Flame.Wav") << "RIFF";
    std::filesystem::current_path(folder.path);
    headless::FailCall(host::Call::FSOUND_Sample_LoadWav);
    headless::FailCall(host::Call::FSOUND_Stream_OpenMpeg);
    EXPECT_EQ(FSOUND_Sample_LoadWav(-1, "Flame.Wav", 0x2000), nullptr);
    EXPECT_EQ(FSOUND_Stream_OpenMpeg("Flame.Wav", 0x2B), nullptr);
    EXPECT_EQ(headless::SoundCalls().size(), 2u);
    FSOUND_STREAM* tune = FSOUND_Stream_OpenMpeg("Flame.Wav", 0x2B);
    EXPECT_GE(FSOUND_Stream_Play(-1, tune), 0);
    EXPECT_EQ(headless::SoundCalls().back(), "FSOUND_Stream_Play -1 Flame.Wav");

    FSOUND_Sample_Free(nullptr);
    EXPECT_EQ(FSOUND_PlaySound(-1, nullptr) + FSOUND_Stream_Play(-1, nullptr), -2);
    EXPECT_EQ(FSOUND_Sample_LoadWav(-1, nullptr, 0), nullptr);
    FSOUND_SAMPLE* flame = FSOUND_Sample_LoadWav(-1, "Flame.Wav", 0x2000);
    EXPECT_GE(FSOUND_PlaySound(-1, flame), 0);
    FSOUND_Sample_Free(flame);
    FSOUND_Sample_Free(flame);
    EXPECT_EQ(FSOUND_PlaySound(-1, flame), -1);
    const auto& calls = headless::SoundCalls();
    EXPECT_EQ(std::vector(calls.end() - 2, calls.end()),
              (std::vector<std::string>{"FSOUND_Sample_Free null", "FSOUND_PlaySound -1 null"}));
}

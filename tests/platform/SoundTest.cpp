#include "platform/Sound.h"
#include "support/ScratchDir.h"
#include "support/SilentWav.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(SoundTest, OnceEndsByItselfALoopRunsUntilTheNextSoundAndFilesAreReadOnce)
{
    // Waits up to three seconds for the channel to fall silent.
    const auto fallsSilent = [] {
        for (int i = 0; i < 300 && soundStatus().playing; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return !soundStatus().playing;
    };
    ScratchDir dir;
    dir.write("data/sound/loop.wav", silentWav(60));
    dir.write("data/sound/stop.wav", silentWav(20));
    playSound("data/sound/loop.wav", SoundMode::Looped);
    ASSERT_TRUE(soundStatus().deviceOpen) << "even without sound hardware";
    const int loaded = soundStatus().filesLoaded;
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // five times its length
    EXPECT_TRUE(soundStatus().playing && soundStatus().lastMode == SoundMode::Looped);
    playSound("data/sound/stop.wav", SoundMode::Once);
    EXPECT_TRUE(soundStatus().lastPath == "data/sound/stop.wav" && fallsSilent());
    playSound("data/sound/loop.wav", SoundMode::Once);
    EXPECT_TRUE(fallsSilent() && soundStatus().filesLoaded == loaded + 1);

    // Missing or broken files are silent and stop what plays.
    dir.write("data/sound/broken.wav", "RIFF\x10\0\0\0WAVEfmt ");
    for (const char* next : {"data/sound/nowhere.wav", "data/sound/broken.wav", "data/sound/nowhere.wav"}) {
        playSound("data/sound/loop.wav", SoundMode::Looped);
        ASSERT_TRUE(soundStatus().playing);
        playSound(next, SoundMode::Once);
        EXPECT_FALSE(soundStatus().playing) << next;
    }
    playSound(nullptr, SoundMode::Once);
    EXPECT_EQ(soundStatus().filesLoaded, loaded + 1) << "the others never read";
}

#include "app/Sound.h"
#include "support/ScratchDir.h"
#include "support/SilentWav.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// Waits up to three seconds for the channel to fall silent.
bool fallsSilent()
{
    for (int i = 0; i < 300; ++i) {
        if (!soundStatus().playing) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// The sound layer caches by path for the whole process, so every test
// uses file names of its own.
class SoundTest : public ::testing::Test {
protected:
    ScratchDir dir;
};

} // namespace

TEST_F(SoundTest, OpensADeviceEvenWithoutSoundHardware)
{
    dir.write("data/sound/device.wav", silentWav(50));
    playSound("data/sound/device.wav", SoundMode::Once);
    const SoundStatus status = soundStatus();
    EXPECT_TRUE(status.deviceOpen);
    EXPECT_FALSE(status.driver.empty());
}

TEST_F(SoundTest, OnceEndsByItselfAndDoesNotBlock)
{
    dir.write("data/sound/warmup.wav", silentWav(10));
    dir.write("data/sound/once.wav", silentWav(600));
    playSound("data/sound/warmup.wav", SoundMode::Once); // opens the device
    const auto start = std::chrono::steady_clock::now();
    playSound("data/sound/once.wav", SoundMode::Once);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_TRUE(soundStatus().playing);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/once.wav");
    EXPECT_TRUE(fallsSilent());
}

TEST_F(SoundTest, LoopedKeepsPlayingUntilTheSilentSoundEndsIt)
{
    dir.write("data/sound/loop.wav", silentWav(60));
    dir.write("data/sound/stop.wav", silentWav(20));
    playSound("data/sound/loop.wav", SoundMode::Looped);
    pause(400);
    EXPECT_TRUE(soundStatus().playing);
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Looped);

    playSound("data/sound/stop.wav", SoundMode::Once);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/stop.wav");
    EXPECT_TRUE(fallsSilent());
    pause(200);
    EXPECT_FALSE(soundStatus().playing);
}

TEST_F(SoundTest, NewLoopReplacesTheOldOne)
{
    dir.write("data/sound/first.wav", silentWav(60));
    dir.write("data/sound/second.wav", silentWav(60));
    playSound("data/sound/first.wav", SoundMode::Looped);
    playSound("data/sound/second.wav", SoundMode::Looped);
    pause(200);
    EXPECT_TRUE(soundStatus().playing);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/second.wav");
    // One channel: ending the second leaves nothing of the first behind.
    playSound("data/sound/second.wav", SoundMode::Once);
    EXPECT_TRUE(fallsSilent());
}

TEST_F(SoundTest, FilesAreLoadedOnce)
{
    dir.write("data/sound/cached.wav", silentWav(30));
    const int before = soundStatus().filesLoaded;
    playSound("data/sound/cached.wav", SoundMode::Once);
    playSound("data/sound/cached.wav", SoundMode::Looped);
    playSound("data/sound/cached.wav", SoundMode::Once);
    EXPECT_EQ(soundStatus().filesLoaded, before + 1);
    EXPECT_TRUE(fallsSilent());
}

TEST_F(SoundTest, MissingOrBrokenFilesAreSilentAndStopTheCurrentSound)
{
    dir.write("data/sound/hum.wav", silentWav(60));
    dir.write("data/sound/broken.wav", "RIFF\x10\0\0\0WAVEfmt ");
    playSound("data/sound/hum.wav", SoundMode::Looped);
    ASSERT_TRUE(soundStatus().playing);
    const int loaded = soundStatus().filesLoaded;

    playSound("data/sound/nowhere.wav", SoundMode::Looped);
    EXPECT_FALSE(soundStatus().playing);
    playSound("data/sound/hum.wav", SoundMode::Looped);
    playSound("data/sound/broken.wav", SoundMode::Once);
    EXPECT_FALSE(soundStatus().playing);
    playSound(nullptr, SoundMode::Once);
    EXPECT_EQ(soundStatus().filesLoaded, loaded);
}

TEST_F(SoundTest, SilentSoundWhileNothingPlaysChangesNothing)
{
    dir.write("data/sound/quiet.wav", silentWav(20));
    playSound("data/sound/quiet.wav", SoundMode::Once);
    EXPECT_TRUE(fallsSilent());
    playSound("data/sound/quiet.wav", SoundMode::Once);
    EXPECT_TRUE(fallsSilent());
}

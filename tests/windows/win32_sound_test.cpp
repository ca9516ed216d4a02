#include "platform/resources.h"
#include "platform/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <thread>

namespace {

std::uint32_t field32(std::span<const std::byte> bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

std::uint16_t field16(std::span<const std::byte> bytes, std::size_t at) {
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

}  // namespace

TEST(Win32Sound, EveryCueIsAMonoMpegLayer3WaveResourceWithAByteRate) {
    for (const char* name : {"alarm", "bang", "fire", "life"}) {
        SCOPED_TRACE(name);
        std::span<const std::byte> wave = platform::findResource(name);
        ASSERT_GT(wave.size(), 44u);
        EXPECT_EQ(std::memcmp(wave.data(), "RIFF", 4), 0);
        EXPECT_EQ(std::memcmp(wave.data() + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(field32(wave, 4) + 8, wave.size());
        EXPECT_EQ(field16(wave, 20), 0x0055);
        EXPECT_EQ(field16(wave, 22), 1);
        // Windows' MPEG Layer-3 decoder divides by the average byte rate.
        EXPECT_GT(field32(wave, 28), 0u);
    }
}

TEST(Win32Sound, ResourceNamesMatchWithoutRegardToCase) {
    std::span<const std::byte> lower = platform::findResource("fire");
    std::span<const std::byte> upper = platform::findResource("FIRE");
    ASSERT_FALSE(lower.empty());
    EXPECT_EQ(lower.data(), upper.data());
    EXPECT_EQ(lower.size(), upper.size());
    EXPECT_TRUE(platform::findResource("thunder").empty());
}

TEST(Win32Sound, ACuePlaysForItsLengthAndStopsOnRequest) {
    std::span<const std::byte> bang = platform::findResource("bang");
    platform::playWave(bang);
    EXPECT_TRUE(platform::soundPlaying());
    platform::stopSound();
    EXPECT_FALSE(platform::soundPlaying());

    // The fire cue is a fraction of a second long.
    platform::playWave(platform::findResource("fire"));
    EXPECT_TRUE(platform::soundPlaying());
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_FALSE(platform::soundPlaying());
    platform::closeSound();
}

TEST(Win32Sound, NothingToPlayPlaysNothing) {
    platform::playWave({});
    EXPECT_FALSE(platform::soundPlaying());
    // A wave that is no resource plays from a copy; one without a byte rate has no length.
    const char header[] =
        "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\0\0\0\0\x02\0\x10\0data\0\0\0";
    platform::playWave(std::as_bytes(std::span(header, sizeof header - 1)));
    EXPECT_FALSE(platform::soundPlaying());
    platform::stopSound();
}

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "allocation_counter.h"
#include "platform/resources.h"
#include "platform/shared/wave.h"
#include "platform/sound.h"
#include "support/disk_audio.h"

// The device plays 48 kHz mono signed 16-bit, so a 48 kHz mono sound reaches the file sample for sample.

namespace {

using namespace std::chrono_literals;

std::vector<std::byte> constantWave(std::int16_t value, int frames) {
    std::vector<std::byte> out;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<std::byte>((v >> (8 * i)) & 0xff));
        }
    };
    auto id = [&](const char* text) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(static_cast<std::byte>(text[i]));
        }
    };
    const auto dataSize = static_cast<std::uint32_t>(frames * 2);
    id("RIFF");
    put(36 + dataSize, 4);
    id("WAVE");
    id("fmt ");
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);
    put(DiskAudioTest::deviceRate, 4);
    put(DiskAudioTest::deviceRate * 2, 4);
    put(2, 2);
    put(16, 2);
    id("data");
    put(dataSize, 4);
    for (int i = 0; i < frames; ++i) {
        put(static_cast<std::uint16_t>(value), 2);
    }
    return out;
}

class DiskAudio : public DiskAudioTest {
  protected:
    // Waits until the queue has been played out, then closes the device so that the file is complete.
    std::vector<std::int16_t> playedAfterQueueEmpties() {
        waitUntilPlayedOut();
        return closeAndRead();
    }

    static long countOf(const std::vector<std::int16_t>& samples, std::int16_t value) {
        return std::count(samples.begin(), samples.end(), value);
    }

    static bool silent(std::span<const std::int16_t> samples) {
        return std::ranges::all_of(samples, [](std::int16_t s) { return s == 0; });
    }

    // The samples from the first that is not silent to the last.
    static std::span<const std::int16_t> withoutSilenceAround(std::span<const std::int16_t> samples) {
        auto sound = [](std::int16_t s) { return s != 0; };
        auto first = std::ranges::find_if(samples, sound);
        auto last = std::find_if(samples.rbegin(), samples.rend(), sound).base();
        return first < last ? std::span(first, last) : std::span<const std::int16_t>();
    }
};

constexpr std::int16_t first = 1000;
constexpr std::int16_t second = -2000;

}  // namespace

TEST_F(DiskAudio, ASoundIsPlayedSampleForSample) {
    platform::playWave(constantWave(first, 4800));
    EXPECT_TRUE(platform::soundPlaying());
    std::vector<std::int16_t> played = playedAfterQueueEmpties();
    EXPECT_EQ(countOf(played, first), 4800);
    EXPECT_EQ(countOf(played, first) + countOf(played, 0), std::ssize(played));
}

TEST_F(DiskAudio, ANewSoundCutsOffTheOldOne) {
    platform::playWave(constantWave(first, 2 * deviceRate));
    platform::playWave(constantWave(second, 4800));
    std::vector<std::int16_t> played = playedAfterQueueEmpties();
    EXPECT_EQ(countOf(played, second), 4800);
    // At most what the device had already taken of the first sound, and none of it after the second began.
    EXPECT_LT(countOf(played, first), deviceRate / 2);
    auto secondStarts = std::find(played.begin(), played.end(), second);
    EXPECT_EQ(std::find(secondStarts, played.end(), first), played.end());
}

TEST_F(DiskAudio, TheSameSoundStartsOver) {
    const auto wave = constantWave(first, deviceRate);
    platform::playWave(wave);
    std::this_thread::sleep_for(100ms);
    platform::playWave(wave);
    std::vector<std::int16_t> played = playedAfterQueueEmpties();
    // All of the second start, and the part of the first that had played when it was cut off.
    EXPECT_GT(countOf(played, first), deviceRate);
    EXPECT_LT(countOf(played, first), 2 * deviceRate);
}

TEST_F(DiskAudio, StopSilencesAtOnce) {
    platform::playWave(constantWave(first, 2 * deviceRate));
    std::this_thread::sleep_for(50ms);
    platform::stopSound();
    EXPECT_FALSE(platform::soundPlaying());
    std::this_thread::sleep_for(100ms);
    std::vector<std::int16_t> played = closeAndRead();
    EXPECT_LT(countOf(played, first), deviceRate);
}

TEST_F(DiskAudio, StoppingWithNothingPlayingOpensNoDevice) {
    platform::stopSound();
    EXPECT_FALSE(platform::soundPlaying());
    EXPECT_TRUE(closeAndRead().empty());
}

TEST_F(DiskAudio, CorruptFilesPlayNothingAndStopTheOldSound) {
    platform::playWave(constantWave(first, 2 * deviceRate));
    std::vector<std::byte> corrupt = constantWave(second, 4800);
    corrupt[40] = std::byte{0xff};  // the data chunk now runs far past the end
    corrupt[41] = std::byte{0xff};
    platform::playWave(corrupt);
    EXPECT_FALSE(platform::soundPlaying());
    std::vector<std::byte> zeroChannels = constantWave(second, 4800);
    zeroChannels[22] = std::byte{0};
    platform::playWave(zeroChannels);
    platform::playWave({});
    std::this_thread::sleep_for(50ms);
    std::vector<std::int16_t> played = closeAndRead();
    EXPECT_EQ(countOf(played, second), 0);
    EXPECT_LT(countOf(played, first), deviceRate / 2);
}

TEST_F(DiskAudio, CorruptFirstSoundLeavesTheDeviceUnopened) {
    std::vector<std::byte> corrupt = constantWave(second, 4800);
    corrupt.resize(30);
    platform::playWave(corrupt);
    EXPECT_FALSE(platform::soundPlaying());
    EXPECT_TRUE(silent(closeAndRead()));
}

TEST_F(DiskAudio, PlayingACueAgainAllocatesNothingAndPlaysTheSameSamples) {
    const std::span<const std::byte> fire = platform::findResource("fire");
    std::optional<platform::PcmSound> decoded = platform::decodeWave(fire);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->channels, 1);
    ASSERT_EQ(decoded->sampleRate, deviceRate);
    const std::span<const std::int16_t> cue = withoutSilenceAround(decoded->samples);
    ASSERT_FALSE(cue.empty());

    platform::playWave(fire);
    waitUntilPlayedOut();
    allocations = 0;
    counting = true;
    platform::playWave(fire);
    counting = false;
    EXPECT_EQ(allocations, 0);

    // The cue twice, with nothing but silence between.
    const std::vector<std::int16_t> played = playedAfterQueueEmpties();
    const std::span<const std::int16_t> heard = withoutSilenceAround(played);
    ASSERT_GE(heard.size(), 2 * cue.size());
    EXPECT_TRUE(std::ranges::equal(heard.first(cue.size()), cue));
    EXPECT_TRUE(std::ranges::equal(heard.last(cue.size()), cue));
    EXPECT_TRUE(silent(heard.subspan(cue.size(), heard.size() - 2 * cue.size())));
}

TEST_F(DiskAudio, ABufferRefilledWithAnotherSoundPlaysTheNewOne) {
    std::vector<std::byte> wave = constantWave(first, 4800);
    platform::playWave(wave);
    waitUntilPlayedOut();
    // Same address, same size, other bytes.
    std::ranges::copy(constantWave(second, 4800), wave.begin());
    platform::playWave(wave);
    std::vector<std::int16_t> played = playedAfterQueueEmpties();
    EXPECT_EQ(countOf(played, first), 4800);
    EXPECT_EQ(countOf(played, second), 4800);
}

TEST(NoAudioDevice, PlaysNothingAndSaysNothing) {
    platform::closeSound();
    ScopedEnvironment driver("SDL_AUDIODRIVER", "no-such-driver");
    ::testing::internal::CaptureStderr();
    std::vector<std::byte> wave = constantWave(first, 4800);
    platform::playWave(wave);
    platform::playWave(wave);
    EXPECT_FALSE(platform::soundPlaying());
    platform::stopSound();
    platform::closeSound();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

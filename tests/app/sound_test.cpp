#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>
#include <vector>

#include "app/sound.h"
#include "platform/sound.h"
#include "support/disk_audio.h"

// The cues as the audio device plays them.

namespace {

using namespace std::chrono_literals;

class SoundCues : public DiskAudioTest {
  protected:
    // Samples from the first audible one to the last.
    static long audibleSpan(const std::vector<std::int16_t>& samples) {
        auto loud = [](std::int16_t s) { return std::abs(s) > 300; };
        auto first = std::find_if(samples.begin(), samples.end(), loud);
        if (first == samples.end()) {
            return 0;
        }
        auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
        return static_cast<long>(last - first);
    }

    static long audibleCount(const std::vector<std::int16_t>& samples) {
        return std::count_if(samples.begin(), samples.end(),
                             [](std::int16_t s) { return std::abs(s) > 300; });
    }
};

}  // namespace

TEST_F(SoundCues, EveryCueIsHeard) {
    for (void (*cue)() : {alarm, bang, fire, life}) {
        platform::closeSound();
        cue();
        EXPECT_TRUE(platform::soundPlaying());
        waitUntilPlayedOut();
        EXPECT_GT(audibleCount(closeAndRead()), deviceRate / 20);
    }
}

TEST_F(SoundCues, NamesAreFoundInAnyCase) {
    playSound("FIRE");
    EXPECT_TRUE(platform::soundPlaying());
    waitUntilPlayedOut();
    EXPECT_GT(audibleCount(closeAndRead()), deviceRate / 20);
}

TEST_F(SoundCues, TwoCuesInAFrameOnlyTheSecondIsHeard) {
    fire();
    waitUntilPlayedOut();
    const long fireAlone = audibleSpan(closeAndRead());
    ASSERT_GT(fireAlone, 0);

    bang();  // about 0.7 s on its own
    fire();
    waitUntilPlayedOut();
    const long both = audibleSpan(closeAndRead());
    // Whatever the device had already taken of the first cue (a few milliseconds), then the second whole.
    EXPECT_GE(both, fireAlone);
    EXPECT_LT(both, fireAlone + deviceRate / 10);
}

TEST_F(SoundCues, NullStopsPlayback) {
    bang();
    ASSERT_TRUE(platform::soundPlaying());
    playSound(nullptr);
    EXPECT_FALSE(platform::soundPlaying());
    std::this_thread::sleep_for(100ms);
    EXPECT_LT(audibleCount(closeAndRead()), deviceRate / 10);
}

TEST_F(SoundCues, UnknownNamesAreSilent) {
    playSound("thunder");
    playSound("");
    EXPECT_FALSE(platform::soundPlaying());
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(audibleCount(closeAndRead()), 0);
}

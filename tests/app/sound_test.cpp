#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/sound.h"
#include "platform/sound.h"

// The cues played through SDL's disk audio driver, which writes what the device plays (48 kHz mono signed
// 16-bit) to a file in real time.

namespace {

using namespace std::chrono_literals;

constexpr long deviceRate = 48000;

class SoundCues : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::closeSound();
        file_ = std::filesystem::temp_directory_path() /
                ("sound_cues_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".raw");
        std::filesystem::remove(file_);
        saveAndSet("SDL_AUDIODRIVER", "disk", driver_);
        saveAndSet("SDL_DISKAUDIOFILE", file_.string(), output_);
    }
    void TearDown() override {
        platform::closeSound();
        std::filesystem::remove(file_);
        restore("SDL_AUDIODRIVER", driver_);
        restore("SDL_DISKAUDIOFILE", output_);
    }

    // Closes the device, which completes the file, and returns what was played.
    std::vector<std::int16_t> closeAndRead() {
        platform::closeSound();
        std::ifstream in(file_, std::ios::binary);
        std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::vector<std::int16_t> samples(bytes.size() / 2);
        if (!samples.empty()) {
            std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        }
        return samples;
    }

    void waitUntilPlayedOut() {
        auto deadline = std::chrono::steady_clock::now() + 5s;
        while (platform::soundPlaying() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
        }
        ASSERT_FALSE(platform::soundPlaying());
    }

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

  private:
    static void saveAndSet(const char* name, const std::string& value, std::optional<std::string>& saved) {
        if (const char* old = std::getenv(name)) {
            saved = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    static void restore(const char* name, const std::optional<std::string>& saved) {
        if (saved) {
            ::setenv(name, saved->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }

    std::filesystem::path file_;
    std::optional<std::string> driver_;
    std::optional<std::string> output_;
};

}  // namespace

TEST_F(SoundCues, EveryCueIsHeard) {
    for (void (*cue)() : {alarm, bang, fire, life}) {
        platform::closeSound();
        cue();
        EXPECT_TRUE(platform::soundPlaying());
        std::this_thread::sleep_for(200ms);
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

#include "support/disk_audio.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/sound.h"

using namespace std::chrono_literals;

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        old_ = old;
    }
    ::setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (old_) {
        ::setenv(name_, old_->c_str(), 1);
    } else {
        ::unsetenv(name_);
    }
}

void DiskAudioTest::SetUp() {
    platform::closeSound();
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    file_ =
        std::filesystem::temp_directory_path() / (std::string(test->test_suite_name()) + "_" +
                                                  std::to_string(::getpid()) + "_" + test->name() + ".raw");
    std::filesystem::remove(file_);
    driver_.emplace("SDL_AUDIODRIVER", "disk");
    output_.emplace("SDL_DISKAUDIOFILE", file_.string());
}

void DiskAudioTest::TearDown() {
    platform::closeSound();
    std::filesystem::remove(file_);
    output_.reset();
    driver_.reset();
}

std::vector<std::int16_t> DiskAudioTest::closeAndRead() {
    platform::closeSound();
    std::ifstream in(file_, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    if (!samples.empty()) {
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    }
    return samples;
}

void DiskAudioTest::waitUntilPlayedOut() {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (platform::soundPlaying() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_FALSE(platform::soundPlaying());
}

#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Sets an environment variable for the life of a test, then puts back what was there.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Plays every test's sound through SDL's disk audio driver, which writes what the device plays (48 kHz mono
// signed 16-bit) to a file of the test's own in real time.
class DiskAudioTest : public ::testing::Test {
  public:
    static constexpr int deviceRate = 48000;

  protected:
    void SetUp() override;
    void TearDown() override;

    // Closes the device, which completes the file, and returns what was played.
    std::vector<std::int16_t> closeAndRead();

    // Waits (up to a few seconds) until the queue has been played out.
    void waitUntilPlayedOut();

  private:
    std::filesystem::path file_;
    std::optional<ScopedEnvironment> driver_;
    std::optional<ScopedEnvironment> output_;
};

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/shared/wave.h"

// Replays the fuzzer's regression corpus (fuzz/corpus) through the wave parser and decoder: each input once
// crashed, hung or leaked, or covers a path worth keeping.
TEST(WaveCorpus, EveryInputIsHandledSafely) {
    const auto corpus = std::filesystem::path(__FILE__).parent_path() / "../../fuzz/corpus";
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int inputs = 0;
    int decoded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<char> chars{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::span<const std::byte> bytes = std::as_bytes(std::span(chars));
        auto wave = platform::parseWave(bytes);
        auto sound = platform::decodeWave(bytes);
        SCOPED_TRACE(entry.path().filename().string());
        if (sound) {
            EXPECT_TRUE(wave);
            EXPECT_GE(sound->channels, 1);
            EXPECT_LE(sound->channels, 2);
            EXPECT_GT(sound->sampleRate, 0);
            EXPECT_EQ(sound->samples.size() % static_cast<std::size_t>(sound->channels), 0u);
            ++decoded;
        }
        if (wave) {
            EXPECT_GE(wave->data.data(), bytes.data());
            EXPECT_LE(wave->data.data() + wave->data.size(), bytes.data() + bytes.size());
        }
        ++inputs;
    }
    EXPECT_GE(inputs, 10);
    EXPECT_GE(decoded, 1);
}

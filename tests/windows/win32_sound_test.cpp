#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/win32/native.h"

#include <gtest/gtest.h>

// The multimedia headers in the order they need each other, after windows.h.
#include <mmsystem.h>

#include <mmreg.h>

#include <msacm.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

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

struct Chunks {
    std::span<const std::byte> format;
    std::span<const std::byte> data;
};

Chunks chunksOf(std::span<const std::byte> wave) {
    Chunks chunks;
    for (std::size_t at = 12; at + 8 <= wave.size();) {
        std::uint32_t size = field32(wave, at + 4);
        std::span<const std::byte> body =
            wave.subspan(at + 8, std::min<std::size_t>(size, wave.size() - at - 8));
        if (std::memcmp(wave.data() + at, "fmt ", 4) == 0) {
            chunks.format = body;
        } else if (std::memcmp(wave.data() + at, "data", 4) == 0) {
            chunks.data = body;
        }
        at += 8 + size + (size & 1);
    }
    return chunks;
}

// Converts MPEG Layer-3 data to 16-bit PCM with the system's own audio codec, as PlaySound does.
std::vector<std::int16_t> decodeWithTheSystemCodec(const Chunks& chunks, WAVEFORMATEX& pcm) {
    std::vector<std::byte> format(chunks.format.begin(), chunks.format.end());
    auto* source = reinterpret_cast<WAVEFORMATEX*>(format.data());
    pcm = {};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    if (acmFormatSuggest(nullptr, source, &pcm, sizeof pcm, ACM_FORMATSUGGESTF_WFORMATTAG) != 0) {
        return {};
    }
    HACMSTREAM stream{};
    if (acmStreamOpen(&stream, nullptr, source, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME) != 0) {
        return {};
    }
    std::vector<std::byte> input(chunks.data.begin(), chunks.data.end());
    DWORD outputSize = 0;
    acmStreamSize(stream, static_cast<DWORD>(input.size()), &outputSize, ACM_STREAMSIZEF_SOURCE);
    std::vector<std::int16_t> samples(outputSize / 2 + 32768);
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof header;
    header.pbSrc = reinterpret_cast<LPBYTE>(input.data());
    header.cbSrcLength = static_cast<DWORD>(input.size());
    header.pbDst = reinterpret_cast<LPBYTE>(samples.data());
    header.cbDstLength = static_cast<DWORD>(samples.size() * 2);
    acmStreamPrepareHeader(stream, &header, 0);
    MMRESULT converted = acmStreamConvert(stream, &header, ACM_STREAMCONVERTF_START | ACM_STREAMCONVERTF_END);
    samples.resize(converted == 0 ? header.cbDstLengthUsed / 2 : 0);
    acmStreamUnprepareHeader(stream, &header, 0);
    acmStreamClose(stream, 0);
    return samples;
}

}  // namespace

TEST(Win32Sound, TheSystemCodecDecodesEveryCueForAsLongAsItsByteRateSays) {
    for (const char* name : {"alarm", "bang", "fire", "life"}) {
        SCOPED_TRACE(name);
        Chunks chunks = chunksOf(platform::findResource(name));
        ASSERT_GE(chunks.format.size(), sizeof(WAVEFORMATEX));
        ASSERT_FALSE(chunks.data.empty());
        WAVEFORMATEX pcm{};
        std::vector<std::int16_t> samples = decodeWithTheSystemCodec(chunks, pcm);
        ASSERT_FALSE(samples.empty());
        EXPECT_EQ(pcm.nChannels, 1);
        EXPECT_EQ(pcm.wBitsPerSample, 16);
        int peak = 0;
        for (std::int16_t sample : samples) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        EXPECT_GT(peak, 4000);
        // The length soundPlaying() reports is the data size over the average byte rate; one MPEG frame of
        // 1152 samples either way is the codec's own padding.
        double decodedSeconds = static_cast<double>(samples.size()) / pcm.nSamplesPerSec;
        double byteRateSeconds = static_cast<double>(chunks.data.size()) / field32(chunks.format, 8);
        EXPECT_NEAR(decodedSeconds, byteRateSeconds, 1152.0 / pcm.nSamplesPerSec);
    }
}

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

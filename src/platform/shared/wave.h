#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

inline constexpr std::uint16_t wavePcm = 0x0001;
inline constexpr std::uint16_t waveMpegLayer3 = 0x0055;

// The fields of a wave file's format chunk that playing it needs.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

// A RIFF/WAVE file split into its format and its sample data; the data views the parsed bytes.
struct WaveFile {
    WaveFormat format;
    std::span<const std::byte> data;
};

// Checks the RIFF structure and finds the format and data chunks. Returns nothing for anything malformed:
// a chunk running past the end, a missing or short format chunk, no data chunk, no channels, no sample rate.
std::optional<WaveFile> parseWave(std::span<const std::byte> bytes);

// Interleaved signed 16-bit samples.
struct PcmSound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// Decodes 8- or 16-bit PCM and MPEG Layer-3 wave files of one or two channels; nothing for anything else,
// for data that does not decode, and for a sound with no samples.
std::optional<PcmSound> decodeWave(std::span<const std::byte> bytes);

}  // namespace platform

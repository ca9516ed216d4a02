#include "platform/shared/wave.h"

#include <cstring>

namespace platform {

namespace {

constexpr std::size_t riffHeaderSize = 12;
constexpr std::size_t chunkHeaderSize = 8;
constexpr std::size_t formatChunkMinimum = 16;

std::uint16_t read16(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) |
                                      std::to_integer<unsigned>(bytes[at + 1]) << 8);
}

std::uint32_t read32(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(read16(bytes, at)) | static_cast<std::uint32_t>(read16(bytes, at + 2))
                                                               << 16;
}

bool hasId(std::span<const std::byte> bytes, std::size_t at, const char (&id)[5]) {
    return std::memcmp(bytes.data() + at, id, 4) == 0;
}

}  // namespace

std::optional<WaveFile> parseWave(std::span<const std::byte> bytes) {
    if (bytes.size() < riffHeaderSize || !hasId(bytes, 0, "RIFF") || !hasId(bytes, 8, "WAVE")) {
        return std::nullopt;
    }
    const std::uint32_t riffSize = read32(bytes, 4);
    if (riffSize < 4 || riffSize > bytes.size() - 8) {
        return std::nullopt;
    }
    // Bytes after the RIFF chunk are not part of the file.
    const std::size_t end = 8 + std::size_t{riffSize};
    std::optional<WaveFormat> format;
    std::optional<std::span<const std::byte>> data;
    std::size_t at = riffHeaderSize;
    while (at < end) {
        if (end - at < chunkHeaderSize) {
            return std::nullopt;
        }
        const std::uint32_t size = read32(bytes, at + 4);
        const std::size_t body = at + chunkHeaderSize;
        if (size > end - body) {
            return std::nullopt;
        }
        if (hasId(bytes, at, "fmt ") && !format) {
            if (size < formatChunkMinimum) {
                return std::nullopt;
            }
            format = WaveFormat{read16(bytes, body),     read16(bytes, body + 2),  read32(bytes, body + 4),
                                read32(bytes, body + 8), read16(bytes, body + 12), read16(bytes, body + 14)};
        } else if (hasId(bytes, at, "data") && !data) {
            data = bytes.subspan(body, size);
        }
        // Chunks are padded to an even size; a missing pad byte after the last chunk is tolerated.
        at = body + size + (size & 1u);
    }
    if (!format || !data || format->channels == 0 || format->sampleRate == 0 || format->blockAlign == 0) {
        return std::nullopt;
    }
    return WaveFile{*format, *data};
}

}  // namespace platform

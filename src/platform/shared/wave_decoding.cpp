#include "platform/shared/wave.h"

#include <mpg123.h>

#include <cstring>
#include <memory>

// The decoding of wave files into samples, for the backends that play them themselves (SDL).
namespace platform {

namespace {

// Cues last a second or two; a file that decodes to more than a minute of stereo is refused rather than held.
constexpr std::size_t maximumSamples = std::size_t{48000} * 2 * 60;

std::optional<PcmSound> decodePcm(const WaveFile& wave) {
    const WaveFormat& format = wave.format;
    if (format.channels > 2 || (format.bitsPerSample != 8 && format.bitsPerSample != 16)) {
        return std::nullopt;
    }
    const std::size_t bytesPerSample = format.bitsPerSample / 8;
    if (format.blockAlign != format.channels * bytesPerSample) {
        return std::nullopt;
    }
    const std::size_t count = wave.data.size() / format.blockAlign * format.channels;
    if (count == 0 || count > maximumSamples) {
        return std::nullopt;
    }
    PcmSound sound{format.channels, static_cast<int>(format.sampleRate), {}};
    sound.samples.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (bytesPerSample == 1) {
            // 8-bit samples are unsigned around 128.
            int value = std::to_integer<int>(wave.data[i]) - 128;
            sound.samples.push_back(static_cast<std::int16_t>(value * 256));
        } else {
            sound.samples.push_back(
                static_cast<std::int16_t>(std::to_integer<unsigned>(wave.data[2 * i]) |
                                          std::to_integer<unsigned>(wave.data[2 * i + 1]) << 8));
        }
    }
    return sound;
}

struct Mpg123Deleter {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};

std::optional<PcmSound> decodeMpeg(const WaveFile& wave) {
    int error = MPG123_OK;
    std::unique_ptr<mpg123_handle, Mpg123Deleter> handle(mpg123_new(nullptr, &error));
    if (!handle) {
        return std::nullopt;
    }
    mpg123_handle* decoder = handle.get();
    // Damaged data must not print anything.
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    mpg123_format_none(decoder);
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i) {
        mpg123_format(decoder, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    }
    if (mpg123_open_feed(decoder) != MPG123_OK ||
        mpg123_feed(decoder, reinterpret_cast<const unsigned char*>(wave.data.data()), wave.data.size()) !=
            MPG123_OK) {
        return std::nullopt;
    }

    PcmSound sound;
    std::vector<unsigned char> buffer(16384);
    // Every call consumes input or ends; the bound only guards against a decoder that stops making progress.
    std::size_t callsLeft = wave.data.size() + 64;
    for (;;) {
        if (callsLeft-- == 0) {
            return std::nullopt;
        }
        std::size_t done = 0;
        int result = mpg123_decode(decoder, nullptr, 0, buffer.data(), buffer.size(), &done);
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0;
            int encoding = 0;
            mpg123_getformat(decoder, &rate, &channels, &encoding);
            bool changed = sound.channels != 0 && (rate != sound.sampleRate || channels != sound.channels);
            if (changed || encoding != MPG123_ENC_SIGNED_16 || channels < 1 || channels > 2 || rate <= 0) {
                return std::nullopt;
            }
            sound.channels = channels;
            sound.sampleRate = static_cast<int>(rate);
        }
        if (done > 0 && sound.channels != 0) {
            std::size_t count = done / sizeof(std::int16_t);
            if (sound.samples.size() + count > maximumSamples) {
                return std::nullopt;
            }
            std::size_t start = sound.samples.size();
            sound.samples.resize(start + count);
            std::memcpy(sound.samples.data() + start, buffer.data(), count * sizeof(std::int16_t));
        }
        if (result == MPG123_NEED_MORE || result == MPG123_DONE) {
            break;
        }
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
            return std::nullopt;
        }
    }
    if (sound.samples.empty()) {
        return std::nullopt;
    }
    return sound;
}

}  // namespace

std::optional<PcmSound> decodeWave(std::span<const std::byte> bytes) {
    std::optional<WaveFile> wave = parseWave(bytes);
    if (!wave) {
        return std::nullopt;
    }
    switch (wave->format.formatTag) {
        case wavePcm:
            return decodePcm(*wave);
        case waveMpegLayer3:
            return wave->format.channels <= 2 ? decodeMpeg(*wave) : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace platform

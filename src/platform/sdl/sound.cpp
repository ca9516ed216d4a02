#include "platform/sound.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/shared/wave.h"

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// Every sound is converted to this one format, so a cue can replace another without reopening the device.
constexpr int deviceRate = 48000;
constexpr SDL_AudioFormat deviceFormat = AUDIO_S16SYS;
constexpr Uint8 deviceChannels = 1;
constexpr Uint16 deviceBufferFrames = 1024;

// Audio libraries under SDL (ALSA in particular) print their own complaints when there is no sound card.
// A missing device is not worth a word, so the standard error stream is muted while the device opens.
class QuietStandardError {
  public:
    QuietStandardError() {
#if defined(__unix__)
        saved_ = dup(STDERR_FILENO);
        int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) {
            dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            close(null);
        }
#endif
    }
    ~QuietStandardError() {
#if defined(__unix__)
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
#endif
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

  private:
    int saved_ = -1;
};

// The audio subsystem and the one output device, opened on first use and closed at exit.
class AudioOutput {
  public:
    AudioOutput() = default;
    ~AudioOutput() { close(); }
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // The device, opening it if this is the first use; 0 when there is none. A failed open is not retried
    // until close().
    SDL_AudioDeviceID device() {
        if (device_ == 0 && !failed_) {
            open();
        }
        return device_;
    }
    SDL_AudioDeviceID openDevice() const { return device_; }

    void close() {
        if (device_ != 0) {
            SDL_CloseAudioDevice(device_);
            device_ = 0;
        }
        if (subsystem_) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            subsystem_ = false;
        }
        failed_ = false;
    }

  private:
    void open() {
        QuietStandardError quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            failed_ = true;
            return;
        }
        subsystem_ = true;
        SDL_AudioSpec wanted{};
        wanted.freq = deviceRate;
        wanted.format = deviceFormat;
        wanted.channels = deviceChannels;
        wanted.samples = deviceBufferFrames;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (device_ == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            subsystem_ = false;
            failed_ = true;
            return;
        }
        SDL_PauseAudioDevice(device_, 0);
    }

    SDL_AudioDeviceID device_ = 0;
    bool subsystem_ = false;
    bool failed_ = false;
};

struct AudioStreamDeleter {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

// The wave's samples in the device's format; none when it does not decode.
std::vector<Uint8> convertForDevice(std::span<const std::byte> wave) {
    std::optional<PcmSound> sound = decodeWave(wave);
    if (!sound) {
        return {};
    }
    std::unique_ptr<SDL_AudioStream, AudioStreamDeleter> stream(
        SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(sound->channels), sound->sampleRate, deviceFormat,
                           deviceChannels, deviceRate));
    if (!stream) {
        return {};
    }
    const auto bytes = static_cast<int>(sound->samples.size() * sizeof(std::int16_t));
    if (SDL_AudioStreamPut(stream.get(), sound->samples.data(), bytes) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0) {
        return {};
    }
    std::vector<Uint8> converted(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
    int got = SDL_AudioStreamGet(stream.get(), converted.data(), static_cast<int>(converted.size()));
    if (got <= 0) {
        return {};
    }
    converted.resize(static_cast<std::size_t>(got));
    return converted;
}

// Every sound played so far, decoded and converted once, so that a cue played with every shot neither decodes
// nor allocates again. A sound is matched by its bytes, not by their address: a caller may free a buffer and
// reuse its address for other bytes, and comparing the few kilobytes of a cue costs little. One entry per
// distinct sound (the program has four), kept across closeSound() since the device's format never changes.
class SoundCache {
  public:
    // The wave's samples, decoded the first time it is seen. A wave that does not decode is kept as empty,
    // so that it is not decoded again either.
    std::span<const Uint8> samples(std::span<const std::byte> wave) {
        for (const Entry& entry : entries_) {
            if (entry.wave.size() == wave.size() &&
                std::equal(wave.begin(), wave.end(), entry.wave.begin())) {
                return entry.samples;
            }
        }
        entries_.push_back(Entry{{wave.begin(), wave.end()}, convertForDevice(wave)});
        return entries_.back().samples;
    }

  private:
    struct Entry {
        std::vector<std::byte> wave;
        std::vector<Uint8> samples;
    };
    std::vector<Entry> entries_;
};

// The backend's state for the life of the program.
struct Audio {
    AudioOutput output;
    SoundCache sounds;
    // Of SDL_MIX_MAXVOLUME; a quieter cue is mixed into silence in scaled, which keeps its room.
    int volume = SDL_MIX_MAXVOLUME;
    std::vector<Uint8> scaled;
};

Audio& audio() {
    static Audio state;
    return state;
}

}  // namespace

void playWave(std::span<const std::byte> wave) {
    stopSound();
    std::span<const Uint8> samples = audio().sounds.samples(wave);
    if (samples.empty()) {
        return;
    }
    SDL_AudioDeviceID device = audio().output.device();
    if (device == 0) {
        return;
    }
    if (audio().volume < SDL_MIX_MAXVOLUME) {
        std::vector<Uint8>& scaled = audio().scaled;
        scaled.assign(samples.size(), 0);
        SDL_MixAudioFormat(scaled.data(), samples.data(), deviceFormat, static_cast<Uint32>(samples.size()),
                           audio().volume);
        samples = scaled;
    }
    SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(samples.size()));
}

void setSoundVolume(double volume) {
    audio().volume = static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * SDL_MIX_MAXVOLUME));
}

void stopSound() {
    if (SDL_AudioDeviceID device = audio().output.openDevice(); device != 0) {
        SDL_ClearQueuedAudio(device);
    }
}

bool soundPlaying() {
    SDL_AudioDeviceID device = audio().output.openDevice();
    return device != 0 && SDL_GetQueuedAudioSize(device) > 0;
}

void closeSound() {
    audio().output.close();
}

}  // namespace platform

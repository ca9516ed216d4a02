#include "platform/sound.h"

#include "platform/shared/wave.h"
#include "platform/win32/native.h"

#include <mmsystem.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// A sound that is not one of the program's resources plays from this copy, kept until the next one starts.
std::vector<std::byte> playingCopy;
Clock::time_point playingUntil;

struct ResourceSearch {
    std::span<const std::byte> wave;
    std::optional<std::string> name;
};

BOOL CALLBACK matchResource(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR search) {
    auto& wanted = *reinterpret_cast<ResourceSearch*>(search);
    HRSRC found = FindResourceA(module, name, type);
    HGLOBAL loaded = found == nullptr ? nullptr : LoadResource(module, found);
    if (loaded != nullptr && LockResource(loaded) == wanted.wave.data() &&
        SizeofResource(module, found) == wanted.wave.size() && !IS_INTRESOURCE(name)) {
        wanted.name = name;
        return FALSE;
    }
    return TRUE;
}

// The name of the WAVE resource these bytes are, so that Windows can play it by name.
std::optional<std::string> resourceNameOf(std::span<const std::byte> wave) {
    ResourceSearch search{wave, std::nullopt};
    EnumResourceNamesA(GetModuleHandleA(nullptr), "WAVE", matchResource, reinterpret_cast<LONG_PTR>(&search));
    return search.name;
}

// How long the wave plays: its data size over the format's average byte rate (zero when either is missing).
Clock::duration playingTime(std::span<const std::byte> wave) {
    std::optional<WaveFile> file = parseWave(wave);
    if (!file || file->format.averageBytesPerSecond == 0) {
        return {};
    }
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
        static_cast<double>(file->data.size()) / file->format.averageBytesPerSecond));
}

}  // namespace

void playWave(std::span<const std::byte> wave) {
    if (wave.empty()) {
        stopSound();
        return;
    }
    // PlaySoundA stops whatever was playing before it starts.
    if (std::optional<std::string> name = resourceNameOf(wave)) {
        PlaySoundA(name->c_str(), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC);
    } else {
        // The copy may still be playing: stop it before it is replaced.
        PlaySoundA(nullptr, nullptr, 0);
        playingCopy.assign(wave.begin(), wave.end());
        PlaySoundA(reinterpret_cast<LPCSTR>(playingCopy.data()), nullptr, SND_MEMORY | SND_ASYNC);
    }
    playingUntil = Clock::now() + playingTime(wave);
}

void setSoundVolume(double volume) {
    // The program's own volume, on both channels, which PlaySound's waves play at.
    const auto level = static_cast<DWORD>(std::lround((volume < 0 ? 0 : volume > 1 ? 1 : volume) * 0xFFFF));
    waveOutSetVolume(nullptr, level | (level << 16));
}

void stopSound() {
    PlaySoundA(nullptr, nullptr, 0);
    playingUntil = {};
}

bool soundPlaying() {
    // Windows does not tell; the wave's own length does.
    return Clock::now() < playingUntil;
}

void closeSound() {
    stopSound();
    playingCopy.clear();
    playingCopy.shrink_to_fit();
}

}  // namespace platform

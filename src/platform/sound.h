#pragma once

#include <cstddef>
#include <span>

namespace platform {

// Starts playing a RIFF/WAVE sound (PCM, or MPEG Layer-3) and returns at once. Whatever was playing stops
// first, so a new sound cuts off the old one and the same sound starts over. A sound that does not decode, or
// no usable audio device, plays nothing and says nothing. The device is opened at the first sound.
void playWave(std::span<const std::byte> wave);

// Stops whatever is playing.
void stopSound();

// True while a sound still has samples waiting to be played.
bool soundPlaying();

// The loudness of the sounds played from now on, 0 (silent) to 1 (as recorded).
void setSoundVolume(double volume);

// Closes the audio device; the next sound opens it again. It is also closed at exit.
void closeSound();

}  // namespace platform

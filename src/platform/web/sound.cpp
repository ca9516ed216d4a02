#include "platform/sound.h"

#include <emscripten.h>

namespace platform {

namespace {

// The page's Web Audio: one AudioContext, made by the page in the click that starts the program, or else at
// the first cue after the user's first key or click (the browser keeps sound back until then, and a cue
// before it is dropped rather than played late), and each distinct wave decoded by the browser once. The
// payload of an MPEG Layer-3 wave is handed over bare, as the browser's decoders read MP3 streams rather
// than MP3 inside RIFF. Decoding takes a moment: a cue whose decoding ends after another cue was asked for
// is not played. Between cues the context rests (suspended) after a short silence: a running context keeps
// an audio thread busy on every frame.
// clang-format off
EM_JS(void, webAudioPlay, (const void* bytes, int size), {
    var audio = Module.studioAudio || (Module.studioAudio = {sounds : [], generation : 0});
    ++audio.generation;
    if (audio.source) {
        audio.source.stop();
        audio.source = null;
    }
    var Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context || (navigator.userActivation && !navigator.userActivation.hasBeenActive)) {
        return;
    }
    try {
        audio.context = audio.context || new Context();
    } catch (error) {
        return;
    }
    clearTimeout(audio.resting);
    if (audio.context.state == "suspended") {
        audio.context.resume().catch(function() {});
    }
    audio.rest = function() {
        clearTimeout(audio.resting);
        audio.resting = setTimeout(function() {
            if (!audio.source && !audio.waiting && audio.context && audio.context.state == "running") {
                audio.context.suspend().catch(function() {});
            }
        }, 2000);
    };
    var wave = HEAPU8.subarray(bytes, bytes + size);
    var sound = audio.sounds.find(function(known) {
        return known.wave.length == size && known.wave.every(function(byte, at) { return byte == wave[at]; });
    });
    if (!sound) {
        sound = {wave : wave.slice(), buffer : null};
        var payload = sound.wave;
        var view = new DataView(payload.buffer);
        var mpeg = false;
        for (var at = 12; at + 8 <= payload.length; at += 8 + view.getUint32(at + 4, true) + (view.getUint32(at + 4, true) & 1)) {
            var id = String.fromCharCode(payload[at], payload[at + 1], payload[at + 2], payload[at + 3]);
            if (id == "fmt " && at + 10 <= payload.length) {
                mpeg = view.getUint16(at + 8, true) == 0x55;
            } else if (id == "data" && mpeg) {
                payload = payload.slice(at + 8, Math.min(at + 8 + view.getUint32(at + 4, true), payload.length));
                break;
            }
        }
        sound.decoded = audio.context.decodeAudioData(payload.slice().buffer).then(
            function(buffer) { sound.buffer = buffer; }, function() {});
        audio.sounds.push(sound);
    }
    var generation = audio.generation;
    audio.waiting = true;
    sound.decoded.then(function() {
        if (generation != audio.generation) {
            return;
        }
        audio.waiting = false;
        if (!sound.buffer || !audio.context) {
            return;
        }
        var source = audio.context.createBufferSource();
        source.buffer = sound.buffer;
        var gain = audio.context.createGain();
        gain.gain.value = Module.studioVolume === undefined ? 1 : Module.studioVolume;
        source.connect(gain);
        gain.connect(audio.context.destination);
        source.onended = function() {
            if (audio.source == source) {
                audio.source = null;
                audio.rest();
            }
        };
        source.start();
        audio.source = source;
    });
});

EM_JS(void, webAudioVolume, (double volume), {
    Module.studioVolume = volume;
});

EM_JS(void, webAudioStop, (), {
    var audio = Module.studioAudio;
    if (audio) {
        ++audio.generation;
        audio.waiting = false;
        if (audio.source) {
            audio.source.stop();
            audio.source = null;
        }
        if (audio.rest) {
            audio.rest();
        }
    }
});

EM_JS(int, webAudioPlaying, (), {
    var audio = Module.studioAudio;
    return audio && (audio.source || audio.waiting) ? 1 : 0;
});

EM_JS(void, webAudioClose, (), {
    var audio = Module.studioAudio;
    if (audio && audio.context) {
        audio.context.close().catch(function() {});
        audio.context = null;
    }
});

// clang-format on

// The page's audio output is let go when the program ends, as the desktop's device is.
void closeAtExit() {
    struct PageAudio {
        PageAudio() = default;
        PageAudio(const PageAudio&) = delete;
        PageAudio& operator=(const PageAudio&) = delete;
        ~PageAudio() { closeSound(); }
    };
    static PageAudio audio;
}

}  // namespace

void playWave(std::span<const std::byte> wave) {
    // No sound at all (a resource that is missing) still stops the one playing.
    if (wave.empty()) {
        stopSound();
        return;
    }
    closeAtExit();
    webAudioPlay(wave.data(), static_cast<int>(wave.size()));
}

void stopSound() {
    webAudioStop();
}

bool soundPlaying() {
    return webAudioPlaying() != 0;
}

void closeSound() {
    webAudioStop();
    webAudioClose();
}

void setSoundVolume(double volume) {
    webAudioVolume(volume < 0 ? 0 : volume > 1 ? 1 : volume);
}

}  // namespace platform

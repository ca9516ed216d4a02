// libFuzzer target for the wave parser and decoder. Build and run it as fuzz/README.md describes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/shared/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    auto wave = platform::parseWave(bytes);
    auto sound = platform::decodeWave(bytes);
    // A file that decodes must also parse, and the data it names must lie inside the input.
    if (sound && !wave) {
        __builtin_trap();
    }
    if (wave &&
        (wave->data.data() < bytes.data() || wave->data.data() + wave->data.size() > bytes.data() + size)) {
        __builtin_trap();
    }
    return 0;
}

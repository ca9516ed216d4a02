// Preloaded into the program by end-to-end checks (LD_PRELOAD): counts the frames it presents. Every buffer
// swap goes on to the real one and then writes the running count over the file SWAP_COUNT_FILE names.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

struct SDL_Window;

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    using Swap = void (*)(SDL_Window*);
    static const auto realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    static const int file = [] {
        const char* path = std::getenv("SWAP_COUNT_FILE");
        return path == nullptr ? -1 : open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }();
    static unsigned long swaps = 0;
    realSwap(window);
    ++swaps;
    if (file >= 0) {
        // Fixed width, so that each count covers the last one whole.
        char text[24];
        const int length = std::snprintf(text, sizeof text, "%20lu\n", swaps);
        [[maybe_unused]] const auto written = pwrite(file, text, static_cast<std::size_t>(length), 0);
    }
}

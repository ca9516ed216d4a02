#include "platform/pause.h"

#include <thread>

namespace platform {

void pauseUntil(std::chrono::steady_clock::time_point deadline) {
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_until(deadline);
    }
}

}  // namespace platform

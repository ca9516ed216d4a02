#pragma once

#include <chrono>

namespace platform {

// Waits until the steady clock has passed deadline, waiting again if woken early. Where the program shares
// its thread with the system (a web page), the wait hands the thread back to it meanwhile, and ends with
// the display frame it reaches, up to one display frame early.
void pauseUntil(std::chrono::steady_clock::time_point deadline);

}  // namespace platform

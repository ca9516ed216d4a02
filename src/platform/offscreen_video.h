#pragma once

namespace platform {

// Whether the windows made from now on draw off screen, through EGL, with no display at all (never shown),
// or on the display the environment names, as usual. Returns false when the backend cannot draw off screen.
bool drawOffscreen(bool on);

}  // namespace platform

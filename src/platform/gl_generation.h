#pragma once

namespace platform {

// How many times the GL context has lost every object it held and come back empty: a web page's WebGL
// context restored after a loss (a GPU reset). Whoever keeps GL objects remembers the count they were
// made at and makes them again when it has moved on. It never moves on the desktop.
inline unsigned& glContextGeneration() {
    static unsigned generation = 0;
    return generation;
}

}  // namespace platform

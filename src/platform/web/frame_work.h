#pragma once

namespace platform::web {

// The time the program holds the page's thread from the end of one pause to the start of the next: a
// frame's update, recording and submission, without the browser's own drawing. Summed over the frames,
// the page reads it with Module._frameWorkMilliseconds() and Module._frameWorkFrames().
void pauseStarts();
void pauseEnds();

}  // namespace platform::web

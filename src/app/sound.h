#pragma once

// Sound cues, played from the program's own resources without waiting for them. A new cue cuts off the one
// still playing, and the same cue starts over. A missing resource or sound device plays nothing.

// Plays the wave resource of that name (any case); null stops whatever is playing.
void playSound(const char* name);

void alarm();  // the player's death
void bang();   // an enemy aircraft hit
void fire();   // a shot
void life();   // an enemy aircraft coming back

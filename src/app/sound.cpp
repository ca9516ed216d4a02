#include "app/sound.h"

#include "platform/resources.h"
#include "platform/sound.h"

void playSound(const char* name) {
    if (name == nullptr) {
        platform::stopSound();
        return;
    }
    platform::playWave(platform::findResource(name));
}

void alarm() {
    playSound("alarm");
}

void bang() {
    playSound("bang");
}

void fire() {
    playSound("fire");
}

void life() {
    playSound("life");
}

#pragma once

#include "app/control_map.h"
#include "platform/keys.h"
#include "platform/message.h"

#include <cstdint>

class Graphics;

// A key press: the scene may take it first (takesKey); otherwise Escape closes, W cycles the polygon mode,
// F11 switches full screen, P pauses and Tab gives the pointer back, then the key's control is delivered as
// for every key. Scene gives takesKey(key), close(), cyclePolygonMode(), toggleFullScreen(), togglePause(),
// releasePointer() and input(control, pressed).
template <typename Scene>
void keyPressed(Scene& scene, platform::VirtualKey key) {
    if (scene.takesKey(key)) {
        return;
    }
    switch (key) {
        case platform::KeyEscape:
            scene.close();
            break;
        case platform::letterKey('W'):
            scene.cyclePolygonMode();
            break;
        case platform::KeyF11:
            scene.toggleFullScreen();
            break;
        case platform::letterKey('P'):
            scene.togglePause();
            break;
        case platform::KeyTab:
            scene.releasePointer();
            break;
        default:
            break;
    }
    scene.input(controlForKey(key), true);
}

// The keyboard's messages turned into key presses, switches and controls. P, F11 and Alt+Enter switch a
// state once per press: the keyboard's repeats of a held key would switch it back and forth.
class KeyboardInput {
  public:
    // KeyDown, KeyUp, SysKeyDown and SysKeyUp.
    void handle(Graphics& scene, const platform::Message& message);
    // Whether this press of key repeats a switching key that is held; a first press is remembered.
    bool repeats(platform::VirtualKey key);
    void released(platform::VirtualKey key);
    // Releases can be lost with the focus.
    void releaseAll() { held_ = 0; }

  private:
    // The switching keys held, one bit each.
    static constexpr std::uint32_t PauseKeyHeld = 1, FullScreenKeyHeld = 2, AltReturnHeld = 4;
    static std::uint32_t heldBit(platform::VirtualKey key);

    std::uint32_t held_ = 0;
};

#pragma once

#include "app/control_map.h"
#include "platform/keys.h"
#include "platform/window.h"

// The procedure of the scene's window: its own life (create, size, paint, close) and the keyboard and
// first joystick turned into input(control, pressed) on the live scene.
platform::MessageResult windowProcedure(platform::Window& window, const platform::Message& message);

// P, F11 and Alt+Enter switch a state once per press: the keyboard's repeats of a held key would switch
// it back and forth.
class SwitchKeys {
  public:
    // Whether this press of key repeats a switching key that is held; a first press is remembered.
    bool repeats(platform::VirtualKey key);
    void released(platform::VirtualKey key);
    // Releases can be lost with the focus.
    void releaseAll() { held_ = 0; }

  private:
    std::uint32_t held_ = 0;
};

// A key press: the scene may take it first (takesKey); otherwise Escape closes, W cycles the polygon mode,
// F11 switches full screen, P pauses and Tab gives the pointer back, then the key's control is delivered as
// for every key. Scene gives close(), cyclePolygonMode(), toggleFullScreen(), togglePause(), releasePointer()
// and input(control, pressed).
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

#include "app/keyboard_input.h"

#include "input_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

// Records what a key press does to the scene, in order.
struct SceneRecorder {
    void close() { log.push_back("close"); }
    void cyclePolygonMode() { log.push_back("cycle"); }
    void toggleFullScreen() { log.push_back("full screen"); }
    void togglePause() { log.push_back("pause"); }
    void releasePointer() { log.push_back("release"); }
    bool takesKey(platform::VirtualKey) { return false; }
    SceneRecorder& input(Control control, bool pressed) {
        log.push_back(InputRecorder::Call{control, pressed});
        return *this;
    }
    // An action, or a control's press or release.
    using Entry = std::variant<std::string, InputRecorder::Call>;
    std::vector<Entry> log;
};

using Call = InputRecorder::Call;
using Log = std::vector<SceneRecorder::Entry>;

}  // namespace

TEST(KeyPressed, EscapeClosesAndStillDeliversNoControl) {
    SceneRecorder scene;
    keyPressed(scene, platform::KeyEscape);
    EXPECT_EQ(scene.log, (Log{"close", Call{NoControl, true}}));
}

TEST(KeyPressed, WCyclesThePolygonModeAndDeliversNoControl) {
    SceneRecorder scene;
    keyPressed(scene, platform::letterKey('W'));
    EXPECT_EQ(scene.log, (Log{"cycle", Call{NoControl, true}}));
}

TEST(KeyPressed, OtherKeysOnlyDeliverTheirControl) {
    SceneRecorder scene;
    keyPressed(scene, platform::letterKey('S'));
    keyPressed(scene, platform::KeySpace);
    EXPECT_EQ(scene.log, (Log{Call{Forward, true}, Call{Shoot, true}}));
}

TEST(KeyPressed, NewKeysActAndStillDeliverNoControl) {
    const std::vector<std::pair<platform::VirtualKey, std::string>> cases = {
        {platform::KeyF11, "full screen"},
        {platform::letterKey('P'), "pause"},
        {platform::KeyTab, "release"}};
    for (const auto& [key, action] : cases) {
        SceneRecorder scene;
        keyPressed(scene, key);
        EXPECT_EQ(scene.log, (Log{action, Call{NoControl, true}})) << action;
    }
}

TEST(KeyboardInput, AHeldSwitchingKeySwitchesOncePerPress) {
    KeyboardInput keys;
    for (platform::VirtualKey key : {platform::letterKey('P'), platform::KeyF11, platform::KeyReturn}) {
        EXPECT_FALSE(keys.repeats(key));
        EXPECT_TRUE(keys.repeats(key)) << key << " held and repeated";
        keys.released(key);
        EXPECT_FALSE(keys.repeats(key)) << key << " pressed again";
    }
    keys.releaseAll();
    EXPECT_FALSE(keys.repeats(platform::KeyF11)) << "released with the focus";
    EXPECT_FALSE(keys.repeats(platform::letterKey('W')));
    EXPECT_FALSE(keys.repeats(platform::letterKey('W'))) << "W cycles on every repeat";
}

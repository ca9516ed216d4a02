#include "app/window_procedure.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Records what a key press does to the scene, in order.
struct SceneRecorder {
    void close() { log.push_back("close"); }
    void cyclePolygonMode() { log.push_back("cycle"); }
    void toggleFullScreen() { log.push_back("full screen"); }
    void togglePause() { log.push_back("pause"); }
    void releasePointer() { log.push_back("release"); }
    bool takesKey(std::uint32_t) { return false; }
    SceneRecorder& input(int control, bool pressed) {
        log.push_back("input " + std::to_string(control) + (pressed ? " down" : " up"));
        return *this;
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

}  // namespace

TEST(KeyPressed, EscapeClosesAndStillDeliversNoControl) {
    SceneRecorder scene;
    keyPressed(scene, platform::KeyEscape);
    EXPECT_EQ(scene.log, (Log{"close", "input 8 down"}));
}

TEST(KeyPressed, WCyclesThePolygonModeAndDeliversNoControl) {
    SceneRecorder scene;
    keyPressed(scene, platform::letterKey('W'));
    EXPECT_EQ(scene.log, (Log{"cycle", "input 8 down"}));
}

TEST(KeyPressed, OtherKeysOnlyDeliverTheirControl) {
    SceneRecorder scene;
    keyPressed(scene, platform::letterKey('S'));
    keyPressed(scene, platform::KeySpace);
    EXPECT_EQ(scene.log, (Log{"input 0 down", "input 7 down"}));
}

TEST(KeyPressed, NewKeysActAndStillDeliverNoControl) {
    const std::vector<std::pair<platform::VirtualKey, std::string>> cases = {
        {platform::KeyF11, "full screen"},
        {platform::letterKey('P'), "pause"},
        {platform::KeyTab, "release"}};
    for (const auto& [key, action] : cases) {
        SceneRecorder scene;
        keyPressed(scene, key);
        EXPECT_EQ(scene.log, (Log{action, "input 8 down"})) << action;
    }
}

TEST(SwitchKeys, AHeldSwitchingKeySwitchesOncePerPress) {
    SwitchKeys keys;
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

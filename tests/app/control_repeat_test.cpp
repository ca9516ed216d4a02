#include "app/control_repeat.h"

#include "input_recorder.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Calls = std::vector<InputRecorder::Call>;
using TimePoint = ControlRepeat::TimePoint;

// Holds Shoot from time 0 and polls it at the times given (ms); returns when the presses came.
std::vector<int> pressTimes(const std::vector<int>& polls) {
    ControlRepeat repeat(Shoot);
    InputRecorder scene;
    std::vector<int> times;
    for (int ms : polls) {
        std::size_t before = scene.calls.size();
        repeat.update(scene, true, TimePoint{} + std::chrono::milliseconds(ms));
        if (scene.calls.size() > before) {
            EXPECT_EQ(scene.calls.back(), (InputRecorder::Call{Shoot, true}));
            times.push_back(ms);
        }
    }
    return times;
}

}  // namespace

TEST(ControlRepeat, PressThenHalfASecondThenAboutThirtyASecond) {
    // Polled every 10 ms for a second: the press, the first repeat at 500 ms, then one every 33 ms or so.
    std::vector<int> polls;
    for (int ms = 0; ms <= 1000; ms += 10) {
        polls.push_back(ms);
    }
    std::vector<int> times = pressTimes(polls);
    EXPECT_EQ(times, (std::vector<int>{0, 500, 540, 570, 600, 640, 670, 700, 740, 770, 800, 830, 870, 900,
                                       930, 970, 1000}));
}

TEST(ControlRepeat, ALatePollGivesOneRepeatNotABurst) {
    EXPECT_EQ(pressTimes({0, 499, 500, 501, 2000, 2001, 2033}), (std::vector<int>{0, 500, 2000, 2033}));
}

TEST(ControlRepeat, OneReleaseAndANewPressStartsTheDelayAgain) {
    ControlRepeat repeat(TurnRight);
    InputRecorder scene;
    repeat.update(scene, false, TimePoint{});
    repeat.update(scene, true, TimePoint{} + 100ms);
    repeat.update(scene, false, TimePoint{} + 200ms);
    repeat.update(scene, false, TimePoint{} + 300ms);
    repeat.update(scene, true, TimePoint{} + 700ms);
    repeat.update(scene, true, TimePoint{} + 1199ms);
    repeat.update(scene, true, TimePoint{} + 1200ms);
    EXPECT_EQ(scene.calls,
              (Calls{{TurnRight, true}, {TurnRight, false}, {TurnRight, true}, {TurnRight, true}}));
}

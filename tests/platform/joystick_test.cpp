#include "platform/joystick.h"

#include "platform/message_queue.h"
#include "platform/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

using namespace platform;

namespace {

std::vector<Message> received;

MessageResult recordingProcedure(Window& window, const Message& message) {
    received.push_back(message);
    return defWindowProc(window, message);
}

// A virtual joystick that SDL knows as no game controller (3 axes, 10 buttons) and a window to capture it.
class JoystickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        received.clear();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 10, 0);
        ASSERT_GE(device, 0);
        joystick = SDL_JoystickOpen(device);
        ASSERT_NE(joystick, nullptr);
        ASSERT_TRUE(registerClass("joystick test", recordingProcedure));
        window = Window::create("joystick test", "Joystick test");
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        window.reset();
        Message message;
        while (peekMessage(message)) {
        }
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(device);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    // Takes the joystick messages that arrive within the time given.
    std::vector<Message> collect(std::chrono::milliseconds duration) {
        received.clear();
        auto end = std::chrono::steady_clock::now() + duration;
        Message message;
        while (std::chrono::steady_clock::now() < end) {
            while (peekMessage(message)) {
                dispatchMessage(message);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return received;
    }

    int device = -1;
    SDL_Joystick* joystick = nullptr;
    std::unique_ptr<Window> window;
};

std::vector<Message> ofKind(const std::vector<Message>& messages, MessageKind kind) {
    std::vector<Message> found;
    for (const Message& message : messages) {
        if (message.kind == kind) {
            found.push_back(message);
        }
    }
    return found;
}

}  // namespace

TEST_F(JoystickTest, DetectedAndPlugged) {
    EXPECT_GE(joystickCount(), 1U);
    EXPECT_TRUE(firstJoystickPlugged());
}

TEST_F(JoystickTest, CapturedJoystickReportsAtEveryPollEvenUnchanged) {
    ASSERT_TRUE(captureJoystick(*window, 0, false));
    auto messages = collect(std::chrono::milliseconds(200));
    auto moves = ofKind(messages, MessageKind::Joy1Move);
    auto zMoves = ofKind(messages, MessageKind::Joy1ZMove);
    // Every 10 ms: about 20 in 200 ms, with slack for a slow machine.
    EXPECT_GE(moves.size(), 12U);
    EXPECT_LE(moves.size(), 22U);
    EXPECT_EQ(zMoves.size(), moves.size());
    for (const Message& move : moves) {
        EXPECT_EQ(move.window, window->id());
        EXPECT_EQ(move.x, 32768U);
        EXPECT_EQ(move.y, 32768U);
        EXPECT_EQ(move.code, 0U);
    }
}

TEST_F(JoystickTest, RawAxesAndButtonBits) {
    ASSERT_TRUE(captureJoystick(*window, 0, false));
    SDL_JoystickSetVirtualAxis(joystick, 0, -32768);
    SDL_JoystickSetVirtualAxis(joystick, 1, 32767);
    SDL_JoystickSetVirtualAxis(joystick, 2, -10923);
    SDL_JoystickSetVirtualButton(joystick, 0, 1);
    SDL_JoystickSetVirtualButton(joystick, 3, 1);
    SDL_JoystickSetVirtualButton(joystick, 9, 1);
    auto messages = collect(std::chrono::milliseconds(60));
    auto moves = ofKind(messages, MessageKind::Joy1Move);
    auto zMoves = ofKind(messages, MessageKind::Joy1ZMove);
    ASSERT_FALSE(moves.empty());
    ASSERT_FALSE(zMoves.empty());
    EXPECT_EQ(moves.back().x, 0U);
    EXPECT_EQ(moves.back().y, 65535U);
    EXPECT_EQ(moves.back().code, 0x001U | 0x008U | 0x200U);
    EXPECT_EQ(zMoves.back().x, 32768U - 10923U);
    EXPECT_EQ(zMoves.back().code, 0x001U | 0x008U | 0x200U);
}

TEST_F(JoystickTest, OnlyChangesWhenAsked) {
    ASSERT_TRUE(captureJoystick(*window, 0, true));
    collect(std::chrono::milliseconds(30));
    EXPECT_TRUE(ofKind(collect(std::chrono::milliseconds(60)), MessageKind::Joy1Move).empty());
    SDL_JoystickSetVirtualAxis(joystick, 0, 1000);
    auto moves = ofKind(collect(std::chrono::milliseconds(60)), MessageKind::Joy1Move);
    ASSERT_EQ(moves.size(), 1U);
    EXPECT_EQ(moves[0].x, 33768U);
}

TEST_F(JoystickTest, CaptureEndsWithTheWindowOrOnRelease) {
    ASSERT_TRUE(captureJoystick(*window, 0, false));
    releaseJoystick();
    EXPECT_TRUE(collect(std::chrono::milliseconds(50)).empty());
    ASSERT_TRUE(captureJoystick(*window, 0, false));
    window->destroy();
    EXPECT_FALSE(captureJoystick(*window, 0, false));
    EXPECT_TRUE(ofKind(collect(std::chrono::milliseconds(50)), MessageKind::Joy1Move).empty());
}

namespace {

// A window whose capture starts before any joystick is plugged in; the test plugs a virtual one in.
class JoystickHotPlugTest : public JoystickTest {
  protected:
    void SetUp() override {
        received.clear();
        // Held by the test too: leaving the subsystem detaches every virtual joystick.
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        ASSERT_EQ(SDL_NumJoysticks(), 0);
        ASSERT_TRUE(registerClass("joystick test", recordingProcedure));
        window = Window::create("joystick test", "Joystick test");
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        releaseJoystick();
        window.reset();
        Message message;
        while (peekMessage(message)) {
        }
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
            SDL_JoystickDetachVirtual(0);
        }
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
};

}  // namespace

// A gamepad that SDL knows as a game controller, plugged in after the capture started, is read by its named
// controls: its triggers rest at 0 and hold nothing; unplugged, it lets go.
TEST_F(JoystickHotPlugTest, APadPluggedInAfterStart) {
    ASSERT_TRUE(awaitJoystick(*window, 0, false));
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    ASSERT_GE(SDL_JoystickAttachVirtualEx(&pad), 0);
    joystick = SDL_JoystickOpen(0);
    ASSERT_NE(joystick, nullptr);
    constexpr std::uint32_t AtRest = 32768 | (32768 << 16);

    auto pads = ofKind(collect(std::chrono::milliseconds(60)), MessageKind::PadMove);
    ASSERT_FALSE(pads.empty());
    EXPECT_EQ(pads.back().code, 0U);
    EXPECT_EQ(pads.back().x, AtRest);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_START, 1);
    pads = ofKind(collect(std::chrono::milliseconds(60)), MessageKind::PadMove);
    ASSERT_FALSE(pads.empty());
    EXPECT_EQ(pads.back().code, PadRightTrigger | PadStart);
    EXPECT_EQ(pads.back().x, 32768U);
    EXPECT_EQ(pads.back().y, 65535U | (32768U << 16));
    EXPECT_TRUE(ofKind(received, MessageKind::Joy1Move).empty());

    SDL_JoystickClose(std::exchange(joystick, nullptr));
    SDL_JoystickDetachVirtual(0);
    auto atRest = collect(std::chrono::milliseconds(60));
    ASSERT_EQ(atRest.size(), 1U);
    EXPECT_EQ(atRest[0].kind, MessageKind::PadMove);
    EXPECT_EQ(atRest[0].code, 0U);
    EXPECT_EQ(atRest[0].x, AtRest);
    EXPECT_EQ(atRest[0].y, AtRest);
    EXPECT_TRUE(collect(std::chrono::milliseconds(50)).empty());
}

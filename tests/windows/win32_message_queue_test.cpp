#include "recording_window.h"

#include "platform/keys.h"

#include <mmsystem.h>

#include <stdexcept>

using platform::Message;
using platform::MessageKind;

namespace {

bool sameMessage(const Message& a, const Message& b) {
    return a.window == b.window && a.kind == b.kind && a.code == b.code && a.x == b.x && a.y == b.y;
}

platform::MessageResult throwOnPaint(platform::Window& window, const Message& message) {
    if (message.kind == MessageKind::Paint) {
        throw std::runtime_error("paint failed");
    }
    return platform::defWindowProc(window, message);
}

}  // namespace

using MessageQueueTest = RecordingWindowTest;

TEST_F(MessageQueueTest, KeysArriveAsTheirVirtualKeyCodesInOrder) {
    drain();
    handled.clear();
    PostMessageA(hwnd(), WM_KEYDOWN, VK_UP, 1);
    PostMessageA(hwnd(), WM_KEYDOWN, 'S', 1);
    PostMessageA(hwnd(), WM_KEYUP, VK_UP, 0xC0000001);
    drain();
    std::vector<Message> expected{
        {.window = window->id(), .kind = MessageKind::KeyDown, .code = platform::KeyUp},
        {.window = window->id(), .kind = MessageKind::KeyDown, .code = platform::letterKey('S')},
        {.window = window->id(), .kind = MessageKind::KeyUp, .code = platform::KeyUp},
    };
    ASSERT_EQ(handled.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(sameMessage(handled[i], expected[i])) << i;
    }
}

TEST_F(MessageQueueTest, LettersByPlaceMouseAndFocusBecomeMessages) {
    drain();
    handled.clear();
    // On a French layout the key right of Tab (scan code 0x10) is A and the one right of Caps Lock (0x1E) Q.
    PostMessageA(hwnd(), WM_KEYDOWN, 'A', 1 | (0x10 << 16));
    PostMessageA(hwnd(), WM_KEYUP, 'Q', 0xC0000001 | (0x1E << 16));
    PostMessageA(hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 40));
    PostMessageA(hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
    PostMessageA(hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    PostMessageA(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);
    platform::postMessage(*window,
                          {.kind = MessageKind::MouseRawMove, .x = platform::signedField(-7), .y = 9});
    drain();
    const platform::WindowId id = window->id();
    std::vector<Message> expected{
        {.window = id, .kind = MessageKind::KeyDown, .code = platform::letterKey('Q')},
        {.window = id, .kind = MessageKind::KeyUp, .code = platform::letterKey('A')},
        {.window = id,
         .kind = MessageKind::MouseMove,
         .code = platform::MouseLeftBit,
         .x = platform::signedField(-3),
         .y = 40},
        {.window = id, .kind = MessageKind::MouseButtonDown, .code = platform::MouseRight, .x = 5, .y = 6},
        {.window = id, .kind = MessageKind::MouseDoubleClick, .code = platform::MouseLeft},
        {.window = id, .kind = MessageKind::MouseWheel, .x = platform::signedField(-2)},
        {.window = id, .kind = MessageKind::MouseRawMove, .x = platform::signedField(-7), .y = 9},
    };
    ASSERT_EQ(handled.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(sameMessage(handled[i], expected[i])) << i;
    }
}

TEST_F(MessageQueueTest, JoystickMessagesCarryRawAxesAndButtonBits) {
    drain();
    handled.clear();
    PostMessageA(hwnd(), MM_JOY1MOVE, 0x0302, MAKELPARAM(21845, 43691));
    PostMessageA(hwnd(), MM_JOY1ZMOVE, 0x0005, MAKELPARAM(65535, 0));
    drain();
    ASSERT_EQ(handled.size(), 2u);
    EXPECT_TRUE(sameMessage(
        handled[0],
        {.window = window->id(), .kind = MessageKind::Joy1Move, .code = 0x0302, .x = 21845, .y = 43691}));
    EXPECT_TRUE(sameMessage(
        handled[1], {.window = window->id(), .kind = MessageKind::Joy1ZMove, .code = 0x0005, .x = 65535}));
}

TEST_F(MessageQueueTest, QuitComesOnceNothingElseWaits) {
    drain();
    platform::postQuitMessage(3);
    platform::postMessage(*window, {.kind = MessageKind::Paint});
    std::vector<Message> taken = drain();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].kind, MessageKind::Paint);
    EXPECT_EQ(taken[1].kind, MessageKind::Quit);
    EXPECT_EQ(taken[1].code, 3u);
    Message none;
    EXPECT_FALSE(platform::peekMessage(none));
}

TEST_F(MessageQueueTest, CloseCommandClosesThroughTheDefaultHandling) {
    platform::sendMessage(*window, {.kind = MessageKind::SysCommand, .code = platform::CommandClose});
    EXPECT_FALSE(window->alive());
    EXPECT_EQ(handledOfKind(MessageKind::Close).size(), 1u);
    EXPECT_EQ(handledOfKind(MessageKind::Destroy).size(), 1u);
}

TEST_F(MessageQueueTest, AltF4BecomesTheCloseCommand) {
    window->showMaximised();
    drain();
    handled.clear();
    // Repeat count 1, Alt held (context bit 29).
    PostMessageA(hwnd(), WM_SYSKEYDOWN, VK_F4, 0x20000001);
    drain();
    EXPECT_EQ(handledOfKind(MessageKind::SysKeyDown).size(), 1u);
    std::vector<Message> commands = handledOfKind(MessageKind::SysCommand);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].code & 0xFFF0, platform::CommandClose);
    EXPECT_FALSE(window->alive());
}

TEST_F(MessageQueueTest, MessagesWithoutACounterpartOnlyGetTheDefaultHandling) {
    drain();
    handled.clear();
    SendMessageA(hwnd(), WM_NCHITTEST, 0, 0);
    SendMessageA(hwnd(), WM_GETTEXTLENGTH, 0, 0);
    PostMessageA(hwnd(), WM_USER + 7, 1, 2);
    std::vector<Message> taken = drain();
    EXPECT_TRUE(handled.empty());
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].kind, MessageKind::None);
    EXPECT_EQ(taken[0].window, window->id());
}

TEST_F(MessageQueueTest, DispatchingAMessageNotTakenFromTheQueueHandsItToTheProcedure) {
    handled.clear();
    Message made{.window = window->id(), .kind = MessageKind::KeyDown, .code = platform::KeySpace};
    platform::dispatchMessage(made);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_TRUE(sameMessage(handled[0], made));
    // Messages for no live window are dropped.
    EXPECT_EQ(platform::dispatchMessage({.window = 0, .kind = MessageKind::Paint}), 0);
    EXPECT_EQ(handled.size(), 1u);
}

TEST(MessageQueueExceptions, AnExceptionInTheProcedureReachesTheCaller) {
    ASSERT_TRUE(platform::registerClass("throwing window", throwOnPaint));
    auto window = platform::Window::create("throwing window", "Throwing window");
    ASSERT_NE(window, nullptr);
    EXPECT_THROW(platform::sendMessage(*window, {.kind = MessageKind::Paint}), std::runtime_error);

    Message message;
    while (platform::peekMessage(message)) {
        platform::dispatchMessage(message);
    }
    platform::postMessage(*window, {.kind = MessageKind::Paint});
    ASSERT_TRUE(platform::peekMessage(message));
    EXPECT_THROW(platform::dispatchMessage(message), std::runtime_error);

    // The window goes on working.
    window->setCaption("still here");
    EXPECT_EQ(window->caption(), "still here");
    EXPECT_NO_THROW(platform::sendMessage(*window, {.kind = MessageKind::KeyDown, .code = 'A'}));
}

TEST_F(MessageQueueTest, SentMessagesArriveAsSent) {
    handled.clear();
    const std::vector<Message> sent{
        {.window = window->id(), .kind = MessageKind::KeyDown, .code = platform::KeyReturn},
        {.window = window->id(), .kind = MessageKind::KeyUp, .code = platform::KeyReturn},
        {.window = window->id(), .kind = MessageKind::SysKeyUp, .code = platform::KeyF4},
        {.window = window->id(), .kind = MessageKind::Joy1Move, .code = 0x0300, .x = 65535, .y = 0},
        {.window = window->id(), .kind = MessageKind::Joy1ZMove, .code = 0x0001, .x = 32768},
        {.window = window->id(), .kind = MessageKind::Size, .x = 800, .y = 600},
        {.window = window->id(), .kind = MessageKind::Paint},
    };
    for (const Message& message : sent) {
        platform::sendMessage(*window, message);
    }
    ASSERT_EQ(handled.size(), sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_TRUE(sameMessage(handled[i], sent[i])) << i;
    }
}

#include "platform/message_queue.h"

#include "platform/keys.h"
#include "platform/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using namespace platform;

namespace {

std::vector<Message> received;
bool defaultHandling = true;

MessageResult recordingProcedure(Window& window, const Message& message) {
    received.push_back(message);
    return defaultHandling ? defWindowProc(window, message) : 0;
}

MessageResult otherProcedure(Window&, const Message&) {
    return 0;
}

class MessageQueueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        received.clear();
        defaultHandling = true;
        ASSERT_TRUE(registerClass("message queue test", recordingProcedure));
        window = Window::create("message queue test", "Message queue test");
        ASSERT_NE(window, nullptr);
        drain();
    }
    void TearDown() override {
        window.reset();
        drain();
    }

    // Dispatches everything waiting; returns whether the quit message was among it.
    static bool drain() {
        bool quit = false;
        Message message;
        while (peekMessage(message)) {
            quit = quit || message.kind == MessageKind::Quit;
            dispatchMessage(message);
        }
        return quit;
    }

    std::vector<Message> receivedOfKind(MessageKind kind) const {
        std::vector<Message> found;
        for (const Message& message : received) {
            if (message.kind == kind && message.window == window->id()) {
                found.push_back(message);
            }
        }
        return found;
    }

    void pushKey(Uint32 type, SDL_Keycode key, Uint8 repeat = 0, Uint16 modifiers = KMOD_NONE) {
        SDL_Event event{};
        event.type = type;
        event.key.windowID = window->id();
        event.key.repeat = repeat;
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }

    void pushWindowEvent(Uint8 kind) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = window->id();
        event.window.event = kind;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }

    std::unique_ptr<Window> window;
};

}  // namespace

TEST(WindowClass, RegisteringAgainNeedsTheSameProcedure) {
    EXPECT_TRUE(registerClass("class test", recordingProcedure));
    EXPECT_TRUE(registerClass("class test", recordingProcedure));
    EXPECT_FALSE(registerClass("class test", otherProcedure));
    EXPECT_EQ(Window::create("no such class", "x"), nullptr);
}

TEST_F(MessageQueueTest, CreateIsSentDuringCreation) {
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.front().kind, MessageKind::Create);
    EXPECT_EQ(received.front().window, window->id());
}

TEST_F(MessageQueueTest, KeysBecomeVirtualKeyMessagesInOrder) {
    const std::vector<std::pair<SDL_Keycode, VirtualKey>> keys{
        {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},     {SDLK_RIGHT, 0x27},    {SDLK_DOWN, 0x28},
        {SDLK_RETURN, 0x0D}, {SDLK_SPACE, 0x20},  {SDLK_ESCAPE, 0x1B},   {SDLK_a, 0x41},
        {SDLK_w, 0x57},      {SDLK_z, 0x5A},      {SDLK_TAB, 0x09},      {SDLK_F11, 0x7A},
        {SDLK_F1, 0x70},     {SDLK_PAGEUP, 0x21}, {SDLK_PAGEDOWN, 0x22}, {SDLK_BACKSPACE, KeyOther}};
    for (const auto& key : keys) {
        pushKey(SDL_KEYDOWN, key.first);
        pushKey(SDL_KEYUP, key.first);
    }
    defaultHandling = false;
    drain();
    auto downs = receivedOfKind(MessageKind::KeyDown);
    auto ups = receivedOfKind(MessageKind::KeyUp);
    ASSERT_EQ(downs.size(), keys.size());
    ASSERT_EQ(ups.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(downs[i].code, keys[i].second) << i;
        EXPECT_EQ(ups[i].code, keys[i].second) << i;
    }
}

TEST_F(MessageQueueTest, RepeatArrivesAsRepeatedKeyDowns) {
    pushKey(SDL_KEYDOWN, SDLK_s);
    pushKey(SDL_KEYDOWN, SDLK_s, 1);
    pushKey(SDL_KEYDOWN, SDLK_s, 1);
    pushKey(SDL_KEYUP, SDLK_s);
    drain();
    EXPECT_EQ(receivedOfKind(MessageKind::KeyDown).size(), 3U);
    EXPECT_EQ(receivedOfKind(MessageKind::KeyUp).size(), 1U);
}

TEST_F(MessageQueueTest, KeysWithAltHeldAreSystemKeys) {
    pushKey(SDL_KEYDOWN, SDLK_s, 0, KMOD_LALT);
    pushKey(SDL_KEYUP, SDLK_s, 0, KMOD_LALT);
    drain();
    EXPECT_TRUE(receivedOfKind(MessageKind::KeyDown).empty());
    EXPECT_TRUE(receivedOfKind(MessageKind::KeyUp).empty());
    ASSERT_EQ(receivedOfKind(MessageKind::SysKeyDown).size(), 1U);
    EXPECT_EQ(receivedOfKind(MessageKind::SysKeyDown)[0].code, letterKey('S'));
    EXPECT_EQ(receivedOfKind(MessageKind::SysKeyUp).size(), 1U);
    EXPECT_TRUE(window->alive());
}

TEST_F(MessageQueueTest, AltF4ClosesThroughTheCloseCommand) {
    pushKey(SDL_KEYDOWN, SDLK_F4, 0, KMOD_RALT);
    drain();
    ASSERT_EQ(receivedOfKind(MessageKind::SysCommand).size(), 1U);
    EXPECT_EQ(receivedOfKind(MessageKind::SysCommand)[0].code, CommandClose);
    EXPECT_EQ(receivedOfKind(MessageKind::Close).size(), 1U);
    EXPECT_FALSE(window->alive());
}

TEST_F(MessageQueueTest, CloseBoxIsTheCloseCommandAndDestroysTheWindow) {
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    // Only the window procedure posts the quit message, which this one does not.
    EXPECT_FALSE(drain());
    std::vector<MessageKind> kinds;
    for (const Message& message : received) {
        if (message.kind != MessageKind::Create) {
            kinds.push_back(message.kind);
        }
    }
    EXPECT_EQ(kinds,
              (std::vector<MessageKind>{MessageKind::SysCommand, MessageKind::Close, MessageKind::Destroy}));
    EXPECT_FALSE(window->alive());
}

TEST_F(MessageQueueTest, QuitComesOnlyAfterEveryOtherMessage) {
    postQuitMessage(3);
    postMessage(*window, {.kind = MessageKind::Paint});
    Message message;
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.kind, MessageKind::Paint);
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.kind, MessageKind::Quit);
    EXPECT_EQ(message.code, 3U);
    EXPECT_FALSE(peekMessage(message));
}

TEST_F(MessageQueueTest, SendIsHandledAtOncePostWaits) {
    postMessage(*window, {.kind = MessageKind::Paint, .code = 1});
    sendMessage(*window, {.kind = MessageKind::Paint, .code = 2});
    ASSERT_EQ(receivedOfKind(MessageKind::Paint).size(), 1U);
    EXPECT_EQ(receivedOfKind(MessageKind::Paint)[0].code, 2U);
    drain();
    ASSERT_EQ(receivedOfKind(MessageKind::Paint).size(), 2U);
    EXPECT_EQ(receivedOfKind(MessageKind::Paint)[1].code, 1U);
}

TEST_F(MessageQueueTest, DestroyingDropsTheWindowsWaitingMessages) {
    postMessage(*window, {.kind = MessageKind::Paint});
    window->destroy();
    EXPECT_EQ(receivedOfKind(MessageKind::Destroy).size(), 1U);
    drain();
    EXPECT_TRUE(receivedOfKind(MessageKind::Paint).empty());
    // A destroyed window takes no more messages and sends no second Destroy.
    sendMessage(*window, {.kind = MessageKind::Paint});
    window->destroy();
    EXPECT_TRUE(receivedOfKind(MessageKind::Paint).empty());
    EXPECT_EQ(receivedOfKind(MessageKind::Destroy).size(), 1U);
}

TEST_F(MessageQueueTest, MoveSendsTheNewClientSizeOnce) {
    received.clear();
    window->move({100, 50, 100 + 320, 50 + 200});
    auto sizes = receivedOfKind(MessageKind::Size);
    ASSERT_EQ(sizes.size(), 1U);
    EXPECT_EQ(sizes[0].x, 320U);
    EXPECT_EQ(sizes[0].y, 200U);
    // The window system's own reports of the same size add nothing.
    pushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED);
    pushWindowEvent(SDL_WINDOWEVENT_RESIZED);
    drain();
    EXPECT_EQ(receivedOfKind(MessageKind::Size).size(), 1U);
}

TEST_F(MessageQueueTest, ShowingMaximisedReportsTheLargerSize) {
    window->move({0, 0, 320, 200});
    received.clear();
    window->showMaximised();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        drain();
        auto sizes = receivedOfKind(MessageKind::Size);
        if (!sizes.empty() && sizes.back().x > 320 && sizes.back().y > 200) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    auto sizes = receivedOfKind(MessageKind::Size);
    ASSERT_FALSE(sizes.empty());
    EXPECT_GT(sizes.back().x, 320U);
    EXPECT_GT(sizes.back().y, 200U);
    EXPECT_FALSE(receivedOfKind(MessageKind::Paint).empty());
}

TEST_F(MessageQueueTest, CaptionAndDesktop) {
    EXPECT_EQ(window->caption(), "Message queue test");
    window->setCaption("Another caption");
    EXPECT_EQ(window->caption(), "Another caption");
    Rect desktop = desktopRect();
    EXPECT_GT(desktop.width(), 0);
    EXPECT_GT(desktop.height(), 0);
}

TEST_F(MessageQueueTest, LettersAreReadByTheirPlaceOnTheKeyboard) {
    // The key an AZERTY layout prints Q on sits where an English one has A.
    SDL_Event event{};
    event.key.type = SDL_KEYDOWN;
    event.key.windowID = window->id();
    event.key.keysym.scancode = SDL_SCANCODE_A;
    event.key.keysym.sym = SDLK_q;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    drain();
    auto downs = receivedOfKind(MessageKind::KeyDown);
    ASSERT_EQ(downs.size(), 1U);
    EXPECT_EQ(downs[0].code, letterKey('A'));
}

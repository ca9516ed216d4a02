#include "recording_window.h"

#include "platform/cursor.h"

using platform::MessageKind;

namespace {

platform::MessageResult otherProcedure(platform::Window& window, const platform::Message& message) {
    return platform::defWindowProc(window, message);
}

}  // namespace

using WindowTest = RecordingWindowTest;

TEST_F(WindowTest, CreationSendsCreateToTheLiveWindowAndLeavesItHidden) {
    ASSERT_FALSE(handled.empty());
    EXPECT_EQ(handled.front().kind, MessageKind::Create);
    EXPECT_EQ(handled.front().window, window->id());
    EXPECT_TRUE(window->alive());
    EXPECT_FALSE(IsWindowVisible(hwnd()));
    EXPECT_EQ(window->caption(), "Recording window");
}

TEST_F(WindowTest, ClassIsRegisteredOncePerProcedure) {
    EXPECT_TRUE(platform::registerClass("recording window", record));
    EXPECT_FALSE(platform::registerClass("recording window", otherProcedure));
    EXPECT_FALSE(platform::registerClass("no procedure", nullptr));
    EXPECT_EQ(platform::Window::create("never registered", "x"), nullptr);
}

TEST_F(WindowTest, ClassCarriesTheProgramIconArrowCursorAndWindowBrush) {
    WNDCLASSA windowClass{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "recording window", &windowClass));
    EXPECT_NE(windowClass.hIcon, nullptr);
    EXPECT_NE(windowClass.hCursor, nullptr);
    // Double clicks come as such: the viewer starts over at one.
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
    EXPECT_EQ(GetWindowLongA(hwnd(), GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
}

TEST_F(WindowTest, MoveSetsTheOuterRectangleAndSendsTheClientSizeBeforeReturning) {
    handled.clear();
    window->move({100, 50, 100 + 400, 50 + 300});
    RECT outer{};
    RECT client{};
    GetWindowRect(hwnd(), &outer);
    GetClientRect(hwnd(), &client);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
    EXPECT_EQ(outer.right - outer.left, 400);
    EXPECT_EQ(outer.bottom - outer.top, 300);
    std::vector<platform::Message> sizes = handledOfKind(MessageKind::Size);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().x, static_cast<std::uint32_t>(client.right));
    EXPECT_EQ(sizes.back().y, static_cast<std::uint32_t>(client.bottom));
}

TEST_F(WindowTest, ShowMaximisedFillsTheDesktopAndUpdatePaints) {
    window->showMaximised();
    window->update();
    drain();
    EXPECT_TRUE(IsZoomed(hwnd()));
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    std::vector<platform::Message> sizes = handledOfKind(MessageKind::Size);
    ASSERT_FALSE(sizes.empty());
    platform::Rect desktop = platform::desktopRect();
    EXPECT_GT(sizes.back().x, static_cast<std::uint32_t>(desktop.width() * 9 / 10));
    EXPECT_GT(sizes.back().y, static_cast<std::uint32_t>(desktop.height() * 8 / 10));
    EXPECT_FALSE(handledOfKind(MessageKind::Paint).empty());
    // The default handling validated the window: no further paint is waiting.
    EXPECT_FALSE(GetUpdateRect(hwnd(), nullptr, FALSE));
}

TEST_F(WindowTest, FullScreenCoversTheDesktopWithoutAFrameAndGoesBackAsTheWindowWas) {
    window->showMaximised();
    settle();
    window->setFullScreen(true);
    settle();
    EXPECT_TRUE(window->fullScreen());
    const platform::Rect desktop = platform::desktopRect();
    std::vector<platform::Message> sizes = handledOfKind(MessageKind::Size);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().x, static_cast<std::uint32_t>(desktop.width()));
    EXPECT_EQ(sizes.back().y, static_cast<std::uint32_t>(desktop.height()));
    window->setFullScreen(false);
    settle();
    EXPECT_FALSE(window->fullScreen());
    EXPECT_TRUE(IsZoomed(hwnd()));
    EXPECT_EQ(GetWindowLongA(hwnd(), GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_LT(handledOfKind(MessageKind::Size).back().y, static_cast<std::uint32_t>(desktop.height()));

    // A window of 640 x 480 comes back at that size and place, not maximised.
    ShowWindow(hwnd(), SW_RESTORE);
    settle();
    window->move({100, 50, 100 + 640, 50 + 480});
    settle();
    ASSERT_FALSE(IsZoomed(hwnd()));
    window->setFullScreen(true);
    settle();
    window->setFullScreen(false);
    settle();
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    EXPECT_FALSE(IsZoomed(hwnd()));
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
    EXPECT_EQ(outer.right - outer.left, 640);
    EXPECT_EQ(outer.bottom - outer.top, 480);
}

TEST_F(WindowTest, MinimiseReportsAnEmptyClientArea) {
    window->move({0, 0, 300, 200});
    window->showMaximised();
    handled.clear();
    window->minimise();
    drain();
    EXPECT_TRUE(IsIconic(hwnd()));
    std::vector<platform::Message> sizes = handledOfKind(MessageKind::Size);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().x, 0u);
    EXPECT_EQ(sizes.back().y, 0u);
}

TEST_F(WindowTest, CaptionIsTheWindowText) {
    window->setCaption("Studio | example.org 12 hits");
    char text[64] = {};
    GetWindowTextA(hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "Studio | example.org 12 hits");
    EXPECT_EQ(window->caption(), "Studio | example.org 12 hits");
}

TEST_F(WindowTest, DestroySendsDestroyOnceAndLeavesADeadWindow) {
    HWND native = hwnd();
    handled.clear();
    window->destroy();
    window->destroy();
    EXPECT_EQ(handledOfKind(MessageKind::Destroy).size(), 1u);
    EXPECT_FALSE(window->alive());
    EXPECT_FALSE(IsWindow(native));
    // Operations on the dead window do nothing.
    window->setCaption("gone");
    window->move({0, 0, 10, 10});
    EXPECT_EQ(window->caption(), "");
    EXPECT_FALSE(platform::warpCursor(*window, 1, 1));
}

TEST_F(WindowTest, CloseMessageDestroysTheWindowWhileItsOwnerHoldsIt) {
    platform::sendMessage(*window, {.kind = MessageKind::Close});
    EXPECT_FALSE(window->alive());
    EXPECT_EQ(handledOfKind(MessageKind::Destroy).size(), 1u);
}

TEST_F(WindowTest, DesktopIsTheScreen) {
    platform::Rect desktop = platform::desktopRect();
    EXPECT_EQ(desktop.left, 0);
    EXPECT_EQ(desktop.top, 0);
    EXPECT_EQ(desktop.width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(desktop.height(), GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(WindowTest, CursorGoesToTheClientPoint) {
    window->move({40, 30, 440, 330});
    window->showMaximised();
    drain();
    ASSERT_TRUE(platform::warpCursor(*window, 120, 80));
    POINT expected{120, 80};
    ClientToScreen(hwnd(), &expected);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);
}

#pragma once

#include "platform/message_queue.h"
#include "platform/win32/native.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A window whose procedure records every message it handles, then gives it the default handling.
class RecordingWindowTest : public ::testing::Test {
  protected:
    static inline std::vector<platform::Message> handled;

    static platform::MessageResult record(platform::Window& window, const platform::Message& message) {
        handled.push_back(message);
        return platform::defWindowProc(window, message);
    }

    void SetUp() override {
        handled.clear();
        ASSERT_TRUE(platform::registerClass("recording window", record));
        window = platform::Window::create("recording window", "Recording window");
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        window.reset();
        drain();
    }

    // Takes and dispatches every waiting message; returns those taken, in order.
    static std::vector<platform::Message> drain() {
        std::vector<platform::Message> taken;
        platform::Message message;
        while (platform::peekMessage(message)) {
            taken.push_back(message);
            platform::dispatchMessage(message);
        }
        return taken;
    }

    // A window manager answers a change a moment later, and under Wine its late answer to one change can undo
    // the next: takes messages until none has come for a tenth of a second, so that a change starts from a
    // window that stays as it is.
    static void settle() {
        for (int quiet = 0, waits = 0; quiet < 10 && waits < 500; ++waits) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            quiet = drain().empty() ? quiet + 1 : 0;
        }
    }

    HWND hwnd() const { return platform::win32::nativeOf(*window); }

    std::vector<platform::Message> handledOfKind(platform::MessageKind kind) const {
        std::vector<platform::Message> found;
        for (const platform::Message& message : handled) {
            if (message.kind == kind) {
                found.push_back(message);
            }
        }
        return found;
    }

    std::unique_ptr<platform::Window> window;
};

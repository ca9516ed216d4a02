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

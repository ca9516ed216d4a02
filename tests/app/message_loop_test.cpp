#include "app/message_loop.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using platform::Message;
using platform::MessageKind;

// A message source whose messages arrive at chosen frames; records what the loop did.
struct FakeLoop {
    struct Arrival {
        int afterFrames;
        Message message;
    };

    bool peekMessage(Message& message) {
        if (arrivals.empty() || arrivals.front().afterFrames > frames) {
            return false;
        }
        message = arrivals.front().message;
        arrivals.pop_front();
        return true;
    }
    void dispatchMessage(const Message& message) { log.push_back("message " + std::to_string(message.code)); }
    void frame() {
        ++frames;
        log.push_back("frame");
    }

    std::deque<Arrival> arrivals;
    std::vector<std::string> log;
    int frames = 0;
};

Message message(std::uint32_t code) {
    return {.kind = MessageKind::Paint, .code = code};
}

}  // namespace

TEST(MessageLoop, WaitingMessagesGoBeforeFrames) {
    FakeLoop loop;
    loop.arrivals = {{0, message(1)}, {0, message(2)}, {2, message(3)}, {2, {.kind = MessageKind::Quit}}};
    runMessageLoop(loop);
    EXPECT_EQ(loop.log, (std::vector<std::string>{"message 1", "message 2", "frame", "frame", "message 3",
                                                  "message 0"}));
}

TEST(MessageLoop, EndsOnlyOnceTheQuitMessageIsTaken) {
    FakeLoop loop;
    loop.arrivals = {{3, {.kind = MessageKind::Quit}}};
    runMessageLoop(loop);
    EXPECT_EQ(loop.frames, 3);
    EXPECT_TRUE(loop.arrivals.empty());
}

TEST(MessageLoop, MessagesBehindTheQuitMessageStayQueued) {
    FakeLoop loop;
    loop.arrivals = {{0, {.kind = MessageKind::Quit}}, {0, message(7)}};
    runMessageLoop(loop);
    EXPECT_EQ(loop.arrivals.size(), 1U);
    EXPECT_EQ(loop.frames, 0);
}

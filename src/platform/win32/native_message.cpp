#include "platform/win32/native.h"

#include <mmsystem.h>

#include <utility>

namespace platform::win32 {

namespace {

// Key-message lParam bits: repeat count 1; the key was down before; it is being released; Alt is held.
constexpr LPARAM RepeatOnce = 1;
constexpr LPARAM WasDown = LPARAM{1} << 30;
constexpr LPARAM Released = LPARAM{1} << 31;
constexpr LPARAM AltHeld = LPARAM{1} << 29;

const HandledMessage* innermost = nullptr;
std::exception_ptr keptException;

std::uint32_t lowWord(LPARAM value) {
    return static_cast<std::uint32_t>(value) & 0xFFFF;
}

std::uint32_t highWord(LPARAM value) {
    return (static_cast<std::uint32_t>(value) >> 16) & 0xFFFF;
}

LPARAM words(std::uint32_t low, std::uint32_t high) {
    return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}

}  // namespace

Message translate(WindowId window, const NativeMessage& native) {
    Message message{.window = window};
    std::uint32_t code = static_cast<std::uint32_t>(native.wParam);
    switch (native.message) {
        case WM_CREATE:
            message.kind = MessageKind::Create;
            break;
        case WM_DESTROY:
            message.kind = MessageKind::Destroy;
            break;
        case WM_SIZE:
            message.kind = MessageKind::Size;
            message.x = lowWord(native.lParam);
            message.y = highWord(native.lParam);
            break;
        case WM_PAINT:
            message.kind = MessageKind::Paint;
            break;
        case WM_KEYDOWN:
            message.kind = MessageKind::KeyDown;
            message.code = code;
            break;
        case WM_KEYUP:
            message.kind = MessageKind::KeyUp;
            message.code = code;
            break;
        case WM_SYSKEYDOWN:
            message.kind = MessageKind::SysKeyDown;
            message.code = code;
            break;
        case WM_SYSKEYUP:
            message.kind = MessageKind::SysKeyUp;
            message.code = code;
            break;
        case WM_SYSCOMMAND:
            message.kind = MessageKind::SysCommand;
            message.code = code;
            break;
        case WM_CLOSE:
            message.kind = MessageKind::Close;
            break;
        case WM_QUIT:
            message.kind = MessageKind::Quit;
            message.code = code;
            break;
        case MM_JOY1MOVE:
            message.kind = MessageKind::Joy1Move;
            message.code = code;
            message.x = lowWord(native.lParam);
            message.y = highWord(native.lParam);
            break;
        case MM_JOY1ZMOVE:
            message.kind = MessageKind::Joy1ZMove;
            message.code = code;
            message.x = lowWord(native.lParam);
            break;
        default:
            break;
    }
    return message;
}

NativeMessage toNative(const Message& message) {
    WPARAM code = message.code;
    switch (message.kind) {
        case MessageKind::None:
            return {};
        case MessageKind::Create:
            return {WM_CREATE, 0, 0};
        case MessageKind::Destroy:
            return {WM_DESTROY, 0, 0};
        case MessageKind::Size:
            return {WM_SIZE, SIZE_RESTORED, words(message.x, message.y)};
        case MessageKind::Paint:
            return {WM_PAINT, 0, 0};
        case MessageKind::KeyDown:
            return {WM_KEYDOWN, code, RepeatOnce};
        case MessageKind::KeyUp:
            return {WM_KEYUP, code, RepeatOnce | WasDown | Released};
        case MessageKind::SysKeyDown:
            return {WM_SYSKEYDOWN, code, RepeatOnce | AltHeld};
        case MessageKind::SysKeyUp:
            return {WM_SYSKEYUP, code, RepeatOnce | AltHeld | WasDown | Released};
        case MessageKind::SysCommand:
            return {WM_SYSCOMMAND, code, 0};
        case MessageKind::Close:
            return {WM_CLOSE, 0, 0};
        case MessageKind::Quit:
            return {WM_QUIT, code, 0};
        case MessageKind::Joy1Move:
            return {MM_JOY1MOVE, code, words(message.x, message.y)};
        case MessageKind::Joy1ZMove:
            return {MM_JOY1ZMOVE, code, words(message.x, 0)};
    }
    return {};
}

HandledMessage::HandledMessage(const Message& message, const NativeMessage& native)
    : outer_(innermost), message_(message), native_(native) {
    innermost = this;
}

HandledMessage::~HandledMessage() {
    innermost = outer_;
}

const NativeMessage* HandledMessage::nativeOf(const Message& message) {
    for (const HandledMessage* handled = innermost; handled != nullptr; handled = handled->outer_) {
        if (&handled->message_ == &message) {
            return &handled->native_;
        }
    }
    return nullptr;
}

void keepException(std::exception_ptr exception) {
    // The first one is the cause; later ones follow from it.
    if (!keptException) {
        keptException = std::move(exception);
    }
}

void rethrowKeptException() {
    if (keptException) {
        std::rethrow_exception(std::exchange(keptException, nullptr));
    }
}

}  // namespace platform::win32

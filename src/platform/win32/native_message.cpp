#include "platform/keys.h"
#include "platform/win32/native.h"

#include <mmsystem.h>

#include <cstdint>
#include <string_view>
#include <utility>

namespace platform::win32 {

namespace {

// Key-message lParam bits: repeat count 1; the key was down before; it is being released; Alt is held.
constexpr LPARAM RepeatOnce = 1;
constexpr LPARAM WasDown = LPARAM{1} << 30;
constexpr LPARAM Released = LPARAM{1} << 31;
constexpr LPARAM AltHeld = LPARAM{1} << 29;

// Messages that Windows has no form of its own for, so that they can be sent and posted all the same.
constexpr UINT RawMouseMoveMessage = WM_APP + 1;
constexpr UINT PadMoveMessage = WM_APP + 2;

// The letters by their place on the keyboard: the scan codes of the three letter rows.
struct LetterRow {
    unsigned firstScanCode;
    const char* letters;
};
constexpr LetterRow LetterRows[] = {{0x10, "QWERTYUIOP"}, {0x1E, "ASDFGHJKL"}, {0x2C, "ZXCVBNM"}};

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

std::int32_t signedWord(LPARAM value, int shift) {
    return static_cast<std::int16_t>((static_cast<std::uint32_t>(value) >> shift) & 0xFFFF);
}

// A letter key by its place, so that a French or German layout keeps the hands where an English one puts
// them; a letter that a layout puts elsewhere is no letter here. Keys without a scan code (sent by a
// program) and every other key keep their virtual key.
std::uint32_t keyByPlace(WPARAM virtualKey, LPARAM lParam) {
    const unsigned scanCode = (static_cast<std::uint32_t>(lParam) >> 16) & 0xFF;
    const bool extended = (lParam & (LPARAM{1} << 24)) != 0;
    if (scanCode == 0 || extended) {
        return static_cast<std::uint32_t>(virtualKey);
    }
    for (const LetterRow& row : LetterRows) {
        const std::string_view letters(row.letters);
        if (scanCode >= row.firstScanCode && scanCode < row.firstScanCode + letters.size()) {
            return static_cast<unsigned char>(letters[scanCode - row.firstScanCode]);
        }
    }
    return virtualKey >= 'A' && virtualKey <= 'Z' ? KeyOther : static_cast<std::uint32_t>(virtualKey);
}

Message mouseButton(Message message, MessageKind kind, std::uint32_t button, LPARAM lParam) {
    message.kind = kind;
    message.code = button;
    message.x = signedField(signedWord(lParam, 0));
    message.y = signedField(signedWord(lParam, 16));
    return message;
}

// The relative motion of the mouse in a raw input message; none for anything else.
bool rawMotion(LPARAM handle, Message& message) {
    RAWINPUT input{};
    UINT size = sizeof input;
    if (GetRawInputData(reinterpret_cast<HRAWINPUT>(handle), RID_INPUT, &input, &size,
                        sizeof(RAWINPUTHEADER)) == static_cast<UINT>(-1) ||
        input.header.dwType != RIM_TYPEMOUSE || (input.data.mouse.usFlags & MOUSE_MOVE_ABSOLUTE) != 0) {
        return false;
    }
    message.kind = MessageKind::MouseRawMove;
    message.x = signedField(input.data.mouse.lLastX);
    message.y = signedField(input.data.mouse.lLastY);
    return true;
}

WPARAM mouseKeyOf(std::uint32_t button) {
    return button == MouseLeft ? MK_LBUTTON : button == MouseRight ? MK_RBUTTON : MK_MBUTTON;
}

NativeMessage buttonToNative(const Message& message, UINT left, UINT right, UINT middle) {
    const UINT native = message.code == MouseLeft ? left : message.code == MouseRight ? right : middle;
    return {native, mouseKeyOf(message.code), words(message.x, message.y)};
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
            message.code = keyByPlace(native.wParam, native.lParam);
            break;
        case WM_KEYUP:
            message.kind = MessageKind::KeyUp;
            message.code = keyByPlace(native.wParam, native.lParam);
            break;
        case WM_SYSKEYDOWN:
            message.kind = MessageKind::SysKeyDown;
            message.code = keyByPlace(native.wParam, native.lParam);
            break;
        case WM_SYSKEYUP:
            message.kind = MessageKind::SysKeyUp;
            message.code = keyByPlace(native.wParam, native.lParam);
            break;
        case WM_SETFOCUS:
            message.kind = MessageKind::SetFocus;
            break;
        case WM_KILLFOCUS:
            message.kind = MessageKind::KillFocus;
            break;
        case WM_MOUSEMOVE:
            message = mouseButton(message, MessageKind::MouseMove, 0, native.lParam);
            message.code = (code & MK_LBUTTON ? MouseLeftBit : 0) | (code & MK_RBUTTON ? MouseRightBit : 0) |
                           (code & MK_MBUTTON ? MouseMiddleBit : 0);
            break;
        case WM_LBUTTONDOWN:
            return mouseButton(message, MessageKind::MouseButtonDown, MouseLeft, native.lParam);
        case WM_RBUTTONDOWN:
            return mouseButton(message, MessageKind::MouseButtonDown, MouseRight, native.lParam);
        case WM_MBUTTONDOWN:
            return mouseButton(message, MessageKind::MouseButtonDown, MouseMiddle, native.lParam);
        case WM_LBUTTONUP:
            return mouseButton(message, MessageKind::MouseButtonUp, MouseLeft, native.lParam);
        case WM_RBUTTONUP:
            return mouseButton(message, MessageKind::MouseButtonUp, MouseRight, native.lParam);
        case WM_MBUTTONUP:
            return mouseButton(message, MessageKind::MouseButtonUp, MouseMiddle, native.lParam);
        case WM_LBUTTONDBLCLK:
            return mouseButton(message, MessageKind::MouseDoubleClick, MouseLeft, native.lParam);
        case WM_RBUTTONDBLCLK:
            return mouseButton(message, MessageKind::MouseDoubleClick, MouseRight, native.lParam);
        case WM_MBUTTONDBLCLK:
            return mouseButton(message, MessageKind::MouseDoubleClick, MouseMiddle, native.lParam);
        case WM_MOUSEWHEEL: {
            // A wheel of finer steps than a notch still counts at least one.
            const int delta = GET_WHEEL_DELTA_WPARAM(native.wParam);
            const int notches = delta / WHEEL_DELTA != 0 ? delta / WHEEL_DELTA : (delta > 0) - (delta < 0);
            if (notches != 0) {
                message.kind = MessageKind::MouseWheel;
                message.x = signedField(notches);
            }
            break;
        }
        case WM_INPUT:
            rawMotion(native.lParam, message);
            break;
        case RawMouseMoveMessage:
            message.kind = MessageKind::MouseRawMove;
            message.x = static_cast<std::uint32_t>(native.wParam);
            message.y = static_cast<std::uint32_t>(native.lParam);
            break;
        case PadMoveMessage:
            message.kind = MessageKind::PadMove;
            message.code = code;
            message.x = static_cast<std::uint32_t>(native.lParam);
            message.y = static_cast<std::uint32_t>(static_cast<std::uint64_t>(native.lParam) >> 32);
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
        case MessageKind::SetFocus:
            return {WM_SETFOCUS, 0, 0};
        case MessageKind::KillFocus:
            return {WM_KILLFOCUS, 0, 0};
        case MessageKind::MouseMove:
            return {WM_MOUSEMOVE,
                    static_cast<WPARAM>((message.code & MouseLeftBit ? MK_LBUTTON : 0) |
                                        (message.code & MouseRightBit ? MK_RBUTTON : 0) |
                                        (message.code & MouseMiddleBit ? MK_MBUTTON : 0)),
                    words(message.x, message.y)};
        case MessageKind::MouseRawMove:
            return {RawMouseMoveMessage, message.x, static_cast<LPARAM>(message.y)};
        case MessageKind::MouseButtonDown:
            return buttonToNative(message, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
        case MessageKind::MouseButtonUp:
            return buttonToNative(message, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP);
        case MessageKind::MouseDoubleClick:
            return buttonToNative(message, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK);
        case MessageKind::MouseWheel:
            return {WM_MOUSEWHEEL, MAKEWPARAM(0, signedValue(message.x) * WHEEL_DELTA), 0};
        case MessageKind::PadMove:
            return {PadMoveMessage, code,
                    static_cast<LPARAM>(message.x | (static_cast<std::uint64_t>(message.y) << 32))};
        // Only a page's touch screen reports touches.
        case MessageKind::TouchDown:
        case MessageKind::TouchMove:
        case MessageKind::TouchUp:
            return {};
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

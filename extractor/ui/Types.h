// Small value types shared by the toolkit's components and backends.
// Names avoid the Windows API's macros (MessageBox, PostMessage, ...): a
// source that includes <windows.h> must see the same names as one that does not.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TRect&) const = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};

// Which edges of its parent a control keeps its distance to when the parent is resized.
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

// A window message: number and two parameters; Result is what a handler answers.
struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

// Message numbers the toolkit itself gives meaning to.
namespace msg {
inline constexpr unsigned Close = 0x0010;        // a request to close the window
inline constexpr unsigned DropFiles = 0x0233;    // 563: files dropped; WParam is the drop handle
inline constexpr unsigned User = 0x0400;         // first number free for the program
}  // namespace msg

// Modal results; the numbers are those of the system's dialog commands.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

// Message box flags and answers, with the system's values.
enum TMessageBoxFlags : unsigned {
    mbOk = 0x00,
    mbOkCancel = 0x01,
    mbYesNo = 0x04,
    mbIconError = 0x10,
    mbIconQuestion = 0x20,
    mbIconWarning = 0x30,
    mbIconInformation = 0x40,
    mbIconMask = 0xF0,
    mbButtonsMask = 0x0F,
};
enum TMessageBoxAnswer : int { idOk = 1, idCancel = 2, idYes = 6, idNo = 7 };

// Keyboard: virtual key codes the program's handlers look at, and shift states.
enum TShiftStateBits : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = unsigned;
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

namespace vk {
inline constexpr unsigned Return = 0x0D;
inline constexpr unsigned Escape = 0x1B;
inline constexpr unsigned Delete = 0x2E;
inline constexpr unsigned F1 = 0x70;
}  // namespace vk

}  // namespace ui

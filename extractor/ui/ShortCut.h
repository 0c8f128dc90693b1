// Keyboard shortcuts of actions and menu items: a virtual key in the low byte
// and modifier bits above it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

using TShortCut = std::uint16_t;
inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// "Ctrl+R", "Shift+Ctrl+F5", "Del"; letters and digits are upper case keys.
// Text that does not name a key gives scNone.
TShortCut TextToShortCut(std::string_view text);
// The text the menu shows beside an item: "Ctrl+R"; "" for scNone.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace ui

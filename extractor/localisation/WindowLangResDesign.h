// The localisation components as a window's design and constructor use them:
// the design entries that create them, finding them on a built window, and
// giving them the program's stored values before they are activated.
#pragma once

#include <span>
#include <string_view>

#include "localisation/WindowLangResSettings.h"
#include "ui/Design.h"

namespace localisation {

// Design entries for "smlFormLangRes", "smlMsgLangRes" and "smlMenuLangRes".
ui::ComponentDesign FormLangResDesign();
ui::ComponentDesign MsgLangResDesign();
ui::ComponentDesign MenuLangResDesign();

// The window's components of those names; the ones it lacks stay null.
WindowLangRes FindLangRes(const ui::Component& window);

// The stored values of each component (still inactive), and the built-in
// texts of the message list when the window has one.
void PrepareLangRes(const WindowLangResSettings& window, const WindowLangRes& components,
                    std::span<const std::string_view> builtInMessages = {});

}  // namespace localisation

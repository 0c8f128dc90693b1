// The font of the program's four windows: the one of the system's dialogs.
// A language file may set another (the windows' "_FontName" keys).
#pragma once

#include "ui/Design.h"

inline constexpr ui::FontDesign kProgramWindowFont{.name = "Tahoma", .size = 8};

// The windows behind components on the Win32 backend, for code that must
// talk to them directly (tests that read back real controls).
#pragma once

#include <windows.h>

namespace ui {
class TControl;
class TForm;
class TMenuItem;
}  // namespace ui

namespace ui::win32 {

// The window of a control or form; null when it has none on this backend.
HWND HandleOf(const TControl& control);
// The menu bar of a form; null without one.
HMENU MenuHandleOf(const TForm& form);
// Where a menu item sits: its menu and position; false when not shown.
bool MenuPlaceOf(const TMenuItem& item, HMENU& menu, UINT& position);
// The tooltip window that shows the hints of a form's controls.
HWND ToolTipOf(const TForm& form);

}  // namespace ui::win32

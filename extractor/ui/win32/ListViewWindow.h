// Internal to the Win32 backend: the peer of a list view.
#pragma once

#include "ui/ListView.h"

#include <memory>

namespace ui::win32 {

std::unique_ptr<ControlPeer> CreateListViewWindow(TListView& list);

}  // namespace ui::win32

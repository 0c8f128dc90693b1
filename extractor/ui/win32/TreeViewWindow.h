// Internal to the Win32 backend: the peer of a tree view.
#pragma once

#include "ui/TreeView.h"

#include <memory>

namespace ui::win32 {

std::unique_ptr<ControlPeer> CreateTreeViewWindow(TTreeView& tree);

}  // namespace ui::win32

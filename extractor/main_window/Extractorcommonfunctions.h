// The shell's small icons for the program's lists and trees.
#pragma once

#include <string>

namespace ui {
class Application;
class TImageList;
}  // namespace ui

// Makes the image list show the shell's system list of small icons, shared
// and never destroyed by the list.
void AssignSystemImageList(ui::TImageList& imageList);

// The index of the small icon of a name in the system list, or -1. A name
// that ends with the separator gets the folder icon; any other name the icon
// of its extension, whether or not it exists.
int GetShellIconIndex(ui::Application& app, const std::string& name);

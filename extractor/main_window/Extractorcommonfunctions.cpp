#include "main_window/Extractorcommonfunctions.h"

#include "ui/Application.h"
#include "ui/ImageList.h"

void AssignSystemImageList(ui::TImageList& imageList) { imageList.AssignSystemSmallImages(); }

int GetShellIconIndex(ui::Application& app, const std::string& name) { return app.ShellSmallIconIndex(name); }

#include "ui/Backend.h"

namespace ui {

bool FolderBrowserAccepts(const std::string& fileSystemPath) {
    return !fileSystemPath.empty() && fileSystemPath.rfind("\\\\", 0) != 0;
}

}  // namespace ui

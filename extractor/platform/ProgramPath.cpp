#include "platform/ProgramPath.h"

#include "platform/Path.h"

namespace platform {

std::string ProgramFolder() { return FolderOf(ProgramFilePath()); }

std::string ApplicationTitleOf(std::string_view programFileName) {
    std::string title(programFileName.substr(0, programFileName.find('.')));
    for (std::size_t i = 1; i < title.size(); ++i) {
        if (title[i] >= 'A' && title[i] <= 'Z') title[i] = static_cast<char>(title[i] - 'A' + 'a');
    }
    return title;
}

std::string ApplicationTitle() { return ApplicationTitleOf(NameOf(ProgramFilePath())); }

}  // namespace platform

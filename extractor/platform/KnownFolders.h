// Folders of the current user that the program proposes as destinations.
#pragma once

#include <string>

namespace platform {

// The user's documents folder, without a trailing separator; not created when
// missing. Windows: the shell's personal folder. POSIX: the XDG documents folder
// (XDG_DOCUMENTS_DIR, from the environment or the user-dirs file), else the home
// folder. When neither can be determined, the user's profile or home folder,
// and failing that the current folder.
std::string DocumentsFolder();

// The system's folder for temporary files, ending with the separator; empty
// when the system names none. Windows: GetTempPath. POSIX: TMPDIR, else /tmp/.
std::string TemporaryFolder();

}  // namespace platform

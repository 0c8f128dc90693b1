// A stand-in installation of the burning application: a folder holding the stub
// "Lumavex.exe" (and, on request, a language file) that the user's registry
// names, and the records the stub leaves when the handler starts it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TempDir.h"

namespace ombrixtest {

class BurnerInstallation {
public:
    enum class Program { Present, Absent };
    explicit BurnerInstallation(Program program = Program::Present);
    ~BurnerInstallation();
    BurnerInstallation(const BurnerInstallation&) = delete;
    BurnerInstallation& operator=(const BurnerInstallation&) = delete;

    // The folder with a trailing separator, as stored in "AppPathPro".
    std::string folder() const { return dir_.folder(); }
    void writeLanguageFile(std::string_view content) const;
    // The list files ("SHL*.tmp") in the folder.
    std::vector<std::string> listFiles() const;
    // A fresh path for the stub's next record, handed to the stub through the
    // environment that the started program inherits.
    std::string expectRecord();

private:
    testsupport::TempDir dir_;
    testsupport::TempDir records_;
    int recordCount_ = 0;
};

struct StubRecord {
    std::string commandLine;
    std::vector<std::string> arguments;  // without the program name
    std::string listBytes;               // the list file's content when the stub started
};

// Waits for the stub to write its record (the program starts asynchronously).
std::optional<StubRecord> WaitForStubRecord(const std::string& path);

// Full paths of the list files ("SHL*.tmp") in folder, which ends with a separator.
std::vector<std::string> ListFilesIn(const std::string& folder);
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);
std::string UserTempFolder();
std::string ReadBytes(const std::string& path);

}  // namespace ombrixtest

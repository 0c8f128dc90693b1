#include "restoration/FailureReasons.h"

#include "platform/FileSystem.h"
#include "platform/SystemError.h"

std::string ZipFailureReason(TErrorClass errorClass, int code, const std::string& systemText) {
    if (!systemText.empty()) {
        if (code == zecWriteFailed) return "writing failed: " + systemText;
        if (code == zecCannotCreateFile) return "cannot create the file: " + systemText;
    }
    switch (code) {
        case zecDamagedData: return "damaged data";
        case zecInvalidMethod: return "a compression method that cannot be read";
        case zecVersion: return "needs a ZIP feature that cannot be read";
        case zecEncrypted: return "encrypted";
        case zecUnsafeName: return kRefusedNameReason;
        case zecLinkInPath: return "refused: a link stands where a folder is needed";
        case zecNoSuchDirectory: return "the target folder does not exist";
        case zecCannotCreateFolder: return "cannot create a folder on the way (a file may be in the way)";
        case zecCannotCreateFile: return "cannot create the file (read-only, in use, or a folder is there)";
        case zecWriteFailed: return "writing failed (the disk may be full)";
        case zecReadFailed: return "reading the archive failed";
        case zecBadCRC: return "damaged data (CRC mismatch)";
        default: break;
    }
    return errorClass == TErrorClass::ecInOutError ? "an input or output error" : "an error of the archive";
}

std::string FileCopyFailureReason(const std::string& target) {
    const std::string system = platform::LastSystemErrorText();
    switch (platform::KindOf(target)) {
        case platform::EntryKind::Folder: return "a folder stands where the file goes";
        case platform::EntryKind::Link: return "refused: a link stands where the file goes";
        default: break;
    }
    return system.empty() ? "cannot copy the file" : system;
}

std::string FolderTargetFailureReason(const std::string& folder) {
    switch (platform::KindOf(folder)) {
        case platform::EntryKind::Link: return "refused: a link stands where a folder is needed";
        case platform::EntryKind::File: return "a file stands where a folder is needed";
        default: return "cannot create the folder";
    }
}

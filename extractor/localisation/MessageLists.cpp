#include "localisation/MessageLists.h"

#include <algorithm>
#include <array>

namespace localisation {
namespace {

constexpr std::array<std::string_view, 34> kMainWindow = {
    "Error",
    "File not open for reading",
    "Error reading %s. File is possibly broken.",
    "Read error",
    "%s is either wrong or corruted file.",
    "Wrong file format",
    "%s contains wrong field length record.\\nThis file is either broken or it is not Lumavex backup index "
    "file. It cannot be imported.",
    "Wrong data length",
    "Cannot open file %s for reading.",
    "Error importing file",
    "%s is not a Lumavex backup index file.",
    "Wrong file format",
    "It is a file from a newer version of Lumavex. Cannot read it with this version.",
    "Wrong file version",
    "Archive index file does not exist.",
    "No appropriate archive files or folders found for %s.",
    "No data to restore",
    "There are no files or folders in the archive container denoted in %s.",
    "Cannot create unzipper instance.",
    "Unknown",
    "No archive index files found in the root folder and first level subfolders. Try to open it manually.",
    "No archive indexes",
    "Select folder to restore to...",
    "This folder is not a part of the file system.",
    "Invalid folder",
    "Thread termination control event does not exist.",
    "Cannot create archive restoration thread.",
    "Operation canceled by user.",
    "Operation completed successfully.",
    "Operation completed. There were errors.",
    "Operation aborted due to error.",
    " -- FAILED!",
    "Lumavex backup index files",
    "All files",
};

constexpr std::array<std::string_view, 7> kIndexSelection = {
    "  Archive name: ",
    "There are several archive index files found during the scan of the current folder and its first "
    "subfolders. Please select one of them.",
    "Archive index files found in the current folder and its first subfolders",
    "There are several indexes among the files you have dropped. Please select which one you want to work "
    "with.",
    "Available archive index files",
    "Unknown",
    "  Last update: ",
};

using enum MessageIcon;
constexpr MessageOwner kWindow = MessageOwner::Window;
constexpr MessageOwner kNone = MessageOwner::None;

constexpr std::array<OpenErrorMessage, 11> kOpenErrors = {{
    {-1, kMsgFileNotOpenForReading, kMsgError, Warning, kWindow},
    {-2, kMsgErrorReading, kMsgReadError, Warning, kWindow},
    {-3, kMsgWrongOrCorruptedFile, kMsgWrongFileFormat, Warning, kNone},
    {-4, kMsgWrongFieldLength, kMsgWrongDataLength, Warning, kNone},
    {-5, kMsgCannotOpenFile, kMsgErrorImportingFile, Warning, kNone},
    {-6, kMsgNotAnIndexFile, kMsgWrongFileFormat2, Information, kNone},
    {-7, kMsgNewerVersion, kMsgWrongFileVersion, Information, kNone},
    {-101, kMsgIndexFileDoesNotExist, kMsgError, Warning, kWindow},
    {-102, kMsgNoArchiveFound, kMsgNoDataToRestore, Warning, kWindow},
    {-103, kMsgArchiveIsEmpty, kMsgNoDataToRestore, Warning, kWindow},
    {-104, kMsgCannotCreateUnzipper, kMsgError, Warning, kWindow},
}};

}  // namespace

std::span<const std::string_view> MainWindowMessages() { return kMainWindow; }
std::span<const std::string_view> IndexSelectionMessages() { return kIndexSelection; }

std::string_view BuiltInMessage(std::span<const std::string_view> list, int number) {
    if (number < 0 || static_cast<std::size_t>(number) >= list.size()) return {};
    return list[static_cast<std::size_t>(number)];
}

std::span<const OpenErrorMessage> OpenErrorMessages() { return kOpenErrors; }

const OpenErrorMessage* FindOpenErrorMessage(std::int32_t code) {
    const auto* found = std::find_if(kOpenErrors.begin(), kOpenErrors.end(),
                                     [code](const OpenErrorMessage& entry) { return entry.code == code; });
    return found == kOpenErrors.end() ? nullptr : found;
}

std::string ExpandLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += '\n';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string FillPath(std::string_view text, std::string_view path) {
    std::string result;
    result.reserve(text.size() + path.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's') {
            result += path;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace localisation

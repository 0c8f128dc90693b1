// The built-in message lists of the program's windows and the table that turns
// a result code of opening an index into a message box. Pure data: the
// translation components take the lists over as their built-in texts.
//
// Stored texts keep "\n" as the two characters backslash and n, and "%s" where
// the caller puts a path. ExpandLineBreaks does what the message lookup does
// with the first; FillPath fills in the second.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace localisation {

// Message numbers of the main window's list (section TExtrMainForm).
enum MainWindowMessage : int {
    kMsgError = 0,
    kMsgFileNotOpenForReading = 1,
    kMsgErrorReading = 2,
    kMsgReadError = 3,
    kMsgWrongOrCorruptedFile = 4,
    kMsgWrongFileFormat = 5,
    kMsgWrongFieldLength = 6,
    kMsgWrongDataLength = 7,
    kMsgCannotOpenFile = 8,
    kMsgErrorImportingFile = 9,
    kMsgNotAnIndexFile = 10,
    kMsgWrongFileFormat2 = 11,
    kMsgNewerVersion = 12,
    kMsgWrongFileVersion = 13,
    kMsgIndexFileDoesNotExist = 14,
    kMsgNoArchiveFound = 15,
    kMsgNoDataToRestore = 16,
    kMsgArchiveIsEmpty = 17,
    kMsgCannotCreateUnzipper = 18,
    kMsgUnknown = 19,
    kMsgNoIndexFilesFound = 20,
    kMsgNoArchiveIndexes = 21,
    kMsgSelectFolderToRestoreTo = 22,
    kMsgNotAFileSystemFolder = 23,
    kMsgInvalidFolder = 24,
    kMsgNoStopEvent = 25,
    kMsgCannotCreateThread = 26,
    kMsgCanceledByUser = 27,
    kMsgCompletedSuccessfully = 28,
    kMsgCompletedWithErrors = 29,
    kMsgAbortedDueToError = 30,
    kMsgFailedSuffix = 31,
    kMsgIndexFilesFilter = 32,
    kMsgAllFilesFilter = 33,
};

// Message numbers of the index-selection dialog's list (section TExtrArchiveSelectionForm).
enum IndexSelectionMessage : int {
    kSelArchiveNameLabel = 0,
    kSelSeveralFoundByScan = 1,
    kSelFoundByScanCaption = 2,
    kSelSeveralDropped = 3,
    kSelAvailableCaption = 4,
    kSelUnknown = 5,
    kSelLastUpdateLabel = 6,
};

// Message N of a list is element N.
std::span<const std::string_view> MainWindowMessages();
std::span<const std::string_view> IndexSelectionMessages();

// The stored text of message N of a list; empty when the list has no message N.
std::string_view BuiltInMessage(std::span<const std::string_view> list, int number);

enum class MessageIcon { Warning, Information };
// Window: the box is modal to the main window; None: it has no owner window.
enum class MessageOwner { Window, None };

// The message box of one result code. Text and caption are message numbers of
// the main window's list.
struct OpenErrorMessage {
    std::int32_t code;
    int text;
    int caption;
    MessageIcon icon;
    MessageOwner owner;
};

// Codes -1..-7 of the index readers and -101..-104 of opening an index.
std::span<const OpenErrorMessage> OpenErrorMessages();
// The entry for a code, or nullptr: codes without an entry show nothing.
const OpenErrorMessage* FindOpenErrorMessage(std::int32_t code);

// Each backslash followed by "n" becomes one line feed (no carriage return),
// scanning left to right, as the message lookup does.
std::string ExpandLineBreaks(std::string_view text);
// Every "%s" becomes the path, which is inserted as it stands and not scanned
// again. A message is data, not a printf format: other "%" sequences stay.
std::string FillPath(std::string_view text, std::string_view path);
// A looked-up text (line breaks already expanded) with the path filled in:
// fill after expanding, so that "\n" inside a path stays two characters.
inline std::string PrepareMessage(std::string_view storedText, std::string_view path) {
    return FillPath(ExpandLineBreaks(storedText), path);
}

}  // namespace localisation

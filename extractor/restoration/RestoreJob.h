// What the worker of one restoration gets: the elements with their destinations,
// the archive, and the means to stop it and to report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Event.h"
#include "restoration/RestoreMessages.h"

class TUnZipper;

struct TRestoreJob {
    // Clear the destination folders of folder elements first.
    bool ClearFolders = false;
    // The elements in list order; a name ending with the separator is a folder.
    // The lists belong to the caller and stay unchanged while the worker runs.
    const std::vector<std::string>* ElementNames = nullptr;
    // The destination of each element, ending with the separator.
    const std::vector<std::string>* DestinationFolders = nullptr;
    // A folder backup when it ends with the separator, else a ZIP archive that is
    // open in Unzipper.
    std::string ArchivePath;
    // Set to 1 by a cancel; polled by the file copy. Accessed through std::atomic_ref.
    std::int32_t* CancelRequested = nullptr;
    // Signalled by a cancel; tested without waiting.
    const platform::ManualResetEvent* StopEvent = nullptr;
    TUnZipper* Unzipper = nullptr;
    // Receives the worker's messages (the main window, or any other receiver).
    // The names of the files travel with the messages themselves.
    IRestoreReceiver* MainForm = nullptr;
};

// Restoring a ZIP backup: every item of the archive goes to the destination of
// the element it belongs to, reported item by item through the job's receiver.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Event.h"
#include "restoration/RestoreJob.h"
#include "restoration/zip/TUnZipper.h"

// Tags every item and sets its TargetName to its element's destination folder
// followed by the item's name with the platform's separators. A folder element
// ("Docs" + separator) claims the items below it ("Docs/..."); a file element
// claims only the item of exactly its name, so that a.txt does not claim
// a.txt.bak. The first element in list order that claims an item wins; names
// compare exactly, with "\" in stored names read as "/". An item that no element
// claims keeps its TargetName; the confirm handler skips it with a failure report.
void AssignZipTargets(TUnZipper& unzipper, const std::vector<std::string>& elementNames,
                      const std::vector<std::string>& destinationFolders);

// After AssignZipTargets: the folder the item is written below (its target
// without its relative name), or nothing when no element claimed it.
std::optional<std::string> ZipItemBaseFolder(const TZipItem& item);

// The handlers of the ZIP component's events during a restoration. They run on
// the worker thread and touch nothing but the component, the stop event and the
// receiver.
class ZipRestoreHandlers {
public:
    ZipRestoreHandlers(const platform::ManualResetEvent& stopEvent, IRestoreReceiver& receiver);

    // Splits TargetName back into the destination folder, which becomes the
    // component's BaseDirectory (raising ENoSuchDirectory when it is gone), and
    // the item's name, which is reported and kept as TargetName. An item that no
    // element claimed is skipped and reported as failed.
    void UnzipperConfirmProcessItem(TUnZipper& sender, TZipItem& item, TProcessType processType, bool& confirm);
    // Aborts the item in hand once a stop is requested.
    void UnzipperArchiveItemProgress(TUnZipper& sender, TZipItem& item, int progress, bool& abort);
    // Reports a failed item, unless a stop is requested.
    void UnzipperProcessItemFailure(TUnZipper& sender, TZipItem& item, TProcessType processType,
                                    TErrorClass errorClass, int errorCode);

    // Binds the three handlers to the component's events.
    void Bind(TUnZipper& unzipper);

private:
    const platform::ManualResetEvent& stopEvent_;
    IRestoreReceiver& receiver_;
};

// Extracts the job's open archive through its unzipper: rrCompleted, rrAborted
// after a cancel, rrError when the extraction ended with any other exception.
TRestoreResult ExtractZipBackup(TRestoreJob& job);

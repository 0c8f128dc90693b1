#include "restoration/RestoreWorker.h"

#include <atomic>
#include <exception>

#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/FolderEntries.h"
#include "platform/Path.h"
#include "platform/SystemError.h"
#include "restoration/FailureReasons.h"
#include "restoration/ZipRestore.h"

namespace {

using platform::kPathSeparator;

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && platform::EndsWithSeparator(path)) path.pop_back();
    return path;
}

bool CancelRequested(const TRestoreJob& job) {
    return job.CancelRequested && std::atomic_ref<std::int32_t>(*job.CancelRequested).load() != 0;
}

// Names something of the backup that was not restored, as a file's failure is named.
void ReportFailed(const std::string& source, const std::string& reason, TRestoreJob& job) {
    job.MainForm->RestoreProgress(source);
    job.MainForm->RestoreFailureReason(reason);
    job.MainForm->RestoreItemFailed(source);
}

// Reports and copies one file. A copy ended by the cancel flag is not a failure
// but the end of the restoration: rrCancelledWhileCopying, also for the last file.
TRestoreResult RestoreFile(const std::string& source, const std::string& target, TRestoreJob& job) {
    job.MainForm->RestoreProgress(source);
    platform::ClearLastSystemError();
    if (platform::CopyFileWithCancel(source, target, job.CancelRequested)) return rrCompleted;
    if (CancelRequested(job)) return rrCancelledWhileCopying;
    job.MainForm->RestoreFailureReason(FileCopyFailureReason(target));
    job.MainForm->RestoreItemFailed(source);
    return rrCompleted;
}

// Copies a folder: its target is created when missing (one level). A target
// that is missing and cannot be made, or is no folder, gets one failure line
// naming the source folder, and its content is not visited.
TRestoreResult RestoreFolderElement(const std::string& source, const std::string& target, TRestoreJob& job) {
    const std::string folder = WithoutTrailingSeparator(target);
    if (!platform::PathExists(folder)) platform::MakeFolder(folder);
    if (!platform::IsFolder(folder)) {
        ReportFailed(source, FolderTargetFailureReason(folder), job);
        return rrCompleted;
    }
    return CopyFolder(source, target, job);
}

void ClearFolderDestinations(const TRestoreJob& job) {
    const auto& names = *job.ElementNames;
    const auto& destinations = *job.DestinationFolders;
    for (std::size_t i = 0; i < names.size() && i < destinations.size(); ++i) {
        if (!platform::EndsWithSeparator(names[i])) continue;  // file elements are never cleared
        const std::string folder = destinations[i] + names[i];
        if (platform::KindOf(WithoutTrailingSeparator(folder)) != platform::EntryKind::None) {
            ClearFolder(folder, *job.StopEvent);
        }
    }
}

TRestoreResult CopyFolderBackup(TRestoreJob& job) {
    const auto& names = *job.ElementNames;
    const auto& destinations = *job.DestinationFolders;
    for (std::size_t i = 0; i < names.size() && i < destinations.size(); ++i) {
        if (job.StopEvent->IsSignalled()) return rrCancelledWhileCopying;
        const std::string source = job.ArchivePath + names[i];
        const std::string target = destinations[i] + names[i];
        if (platform::EndsWithSeparator(source)) {
            const TRestoreResult result = RestoreFolderElement(source, target, job);
            if (result != rrCompleted) return result;
        } else if (const TRestoreResult result = RestoreFile(source, target, job); result != rrCompleted) {
            return result;
        }
    }
    return rrCompleted;
}

TRestoreResult Restore(TRestoreJob& job) {
    if (job.ClearFolders) ClearFolderDestinations(job);
    if (job.StopEvent->IsSignalled()) return rrCancelledWhileClearing;
    if (platform::EndsWithSeparator(job.ArchivePath)) return CopyFolderBackup(job);
    return ExtractZipBackup(job);
}

}  // namespace

TRestoreResult RestoreThreadProc(TRestoreJob& job) noexcept {
    TRestoreResult result = rrError;
    try {
        result = Restore(job);
    } catch (...) {
        // Nothing leaves the thread; an unexpected failure (memory) ends it as an error.
        result = rrError;
    }
    try {
        job.MainForm->RestoreFinished(result);
    } catch (...) {
    }
    return result;
}

void ClearFolder(const std::string& folder, const platform::ManualResetEvent& stopEvent) {
    const std::string self = WithoutTrailingSeparator(folder);
    if (platform::KindOf(self) == platform::EntryKind::Link) {
        // A folder reached through a link: the link goes, its target stays.
        if (!platform::RemoveEmptyFolder(self)) platform::RemoveFile(self);
        return;
    }
    for (const auto& entry : platform::FindEntries(folder + "*.*")) {
        if (stopEvent.IsSignalled()) break;
        const std::string path = folder + entry.name;
        if (entry.isLink) {
            if (entry.isFolder ? !platform::RemoveEmptyFolder(path) : !platform::RemoveFile(path)) {
                // A link whose kind the listing could not tell: try the other way.
                entry.isFolder ? platform::RemoveFile(path) : platform::RemoveEmptyFolder(path);
            }
        } else if (entry.isFolder) {
            ClearFolder(path + kPathSeparator, stopEvent);
        } else {
            platform::RemoveFile(path);
        }
    }
    platform::RemoveEmptyFolder(self);
}

TRestoreResult CopyFolder(const std::string& source, const std::string& destination, TRestoreJob& job) {
    for (const auto& entry : platform::FindEntries(source + "*.*")) {
        if (job.StopEvent->IsSignalled()) return rrCancelledWhileCopying;
        const std::string from = source + entry.name;
        const std::string to = destination + entry.name;
        if (entry.isFolder) {
            const TRestoreResult result = RestoreFolderElement(from + kPathSeparator, to + kPathSeparator, job);
            if (result != rrCompleted) return result;
        } else if (const TRestoreResult result = RestoreFile(from, to, job); result != rrCompleted) {
            return result;
        }
    }
    return rrCompleted;
}

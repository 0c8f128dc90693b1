// The restoration worker: clears folder destinations when asked, then copies a
// folder backup or extracts a ZIP backup, reporting through the job's receiver.
#pragma once

#include <string>

#include "platform/Event.h"
#include "restoration/RestoreJob.h"

// The worker's thread procedure. Lets no exception out: every end is reported
// by RestoreFinished, posted exactly once as its last action.
TRestoreResult RestoreThreadProc(TRestoreJob& job) noexcept;

// Deletes everything below the folder (ending with the separator), hidden and
// system entries included (read-only files stay), then the folder itself when
// it is empty. Stops before the next entry once the event is signalled. A symbolic
// link, junction or other reparse point is removed itself, never followed: the
// content of its target stays, also when the folder itself is such a link.
// Entries that cannot be deleted stay, silently.
void ClearFolder(const std::string& folder, const platform::ManualResetEvent& stopEvent);

// Copies everything below source into destination (both ending with the
// separator) with the platform's copy, reporting each file. Every file and
// folder ends either restored or named in a failure report (a folder that
// cannot be made is named once, by its source path). Returns rrCompleted, or
// rrCancelledWhileCopying once the stop event is signalled or the cancel flag
// has ended a copy.
TRestoreResult CopyFolder(const std::string& source, const std::string& destination, TRestoreJob& job);

#include "restoration/ZipRestore.h"

#include <algorithm>

#include "platform/Path.h"
#include "restoration/FailureReasons.h"
#include "restoration/zip/ItemName.h"

namespace {

using platform::kPathSeparator;
using platform::WithPlatformSeparators;
using zip::NormalisedItemName;

struct Claim {
    std::string text;  // a folder prefix ending with "/", or a whole file name
    const std::string* destination;
};

// Restores the component's previous handlers when the extraction is over.
class HandlerBinding {
public:
    HandlerBinding(TUnZipper& unzipper, ZipRestoreHandlers& handlers)
        : unzipper_(unzipper),
          confirm_(unzipper.OnConfirmProcessItem),
          progress_(unzipper.OnArchiveItemProgress),
          failure_(unzipper.OnProcessItemFailure) {
        handlers.Bind(unzipper);
    }
    ~HandlerBinding() {
        unzipper_.OnConfirmProcessItem = confirm_;
        unzipper_.OnArchiveItemProgress = progress_;
        unzipper_.OnProcessItemFailure = failure_;
    }
    HandlerBinding(const HandlerBinding&) = delete;
    HandlerBinding& operator=(const HandlerBinding&) = delete;

private:
    TUnZipper& unzipper_;
    TUnZipper::ConfirmProcessItemEvent confirm_;
    TUnZipper::ArchiveItemProgressEvent progress_;
    TUnZipper::ProcessItemFailureEvent failure_;
};

}  // namespace

void AssignZipTargets(TUnZipper& unzipper, const std::vector<std::string>& elementNames,
                      const std::vector<std::string>& destinationFolders) {
    std::vector<Claim> folders;
    std::vector<Claim> files;
    for (std::size_t i = 0; i < elementNames.size() && i < destinationFolders.size(); ++i) {
        const std::string& element = elementNames[i];
        const auto separator = element.find(kPathSeparator);
        if (separator != std::string::npos) {
            std::string prefix = element;
            prefix[separator] = '/';
            folders.push_back(Claim{std::move(prefix), &destinationFolders[i]});
        } else {
            files.push_back(Claim{element, &destinationFolders[i]});
        }
    }
    for (int index = 0; index < unzipper.GetCount(); ++index) {
        TZipItem& item = unzipper.GetItem(index);
        item.Tagged = true;
        const std::string name = NormalisedItemName(item.FileName());
        const auto folder = std::find_if(folders.begin(), folders.end(), [&](const Claim& claim) {
            return name.compare(0, claim.text.size(), claim.text) == 0;
        });
        if (folder != folders.end()) {
            item.TargetName = *folder->destination + WithPlatformSeparators(name);
            continue;
        }
        const auto file =
            std::find_if(files.begin(), files.end(), [&](const Claim& claim) { return name == claim.text; });
        if (file != files.end()) item.TargetName = *file->destination + name;
    }
}

ZipRestoreHandlers::ZipRestoreHandlers(const platform::ManualResetEvent& stopEvent, IRestoreReceiver& receiver)
    : stopEvent_(stopEvent), receiver_(receiver) {}

std::optional<std::string> ZipItemBaseFolder(const TZipItem& item) {
    const std::string& target = item.TargetName;
    const std::string relative = WithPlatformSeparators(NormalisedItemName(item.FileName()));
    if (target.size() <= relative.size() || target.compare(target.size() - relative.size(), relative.size(), relative) != 0) {
        return std::nullopt;
    }
    return target.substr(0, target.size() - relative.size());
}

void ZipRestoreHandlers::UnzipperConfirmProcessItem(TUnZipper& sender, TZipItem& item, TProcessType, bool& confirm) {
    const std::optional<std::string> base = ZipItemBaseFolder(item);
    const std::string relative = WithPlatformSeparators(NormalisedItemName(item.FileName()));
    item.TargetName = relative;
    if (!base) {
        // No element claimed the item (the listing refused its name): there is
        // no destination to write it to, and it is not restored. It is named,
        // so that the log never reads as if the whole backup had come back.
        confirm = false;
        if (!stopEvent_.IsSignalled()) {
            receiver_.RestoreProgress(relative);
            receiver_.RestoreFailureReason(kRefusedNameReason);
            receiver_.RestoreItemFailed(relative);
        }
        return;
    }
    sender.SetBaseDirectory(*base);
    receiver_.RestoreProgress(relative);
    confirm = true;
}

void ZipRestoreHandlers::UnzipperArchiveItemProgress(TUnZipper&, TZipItem&, int, bool& abort) {
    if (stopEvent_.IsSignalled()) abort = true;
}

void ZipRestoreHandlers::UnzipperProcessItemFailure(TUnZipper& sender, TZipItem& item, TProcessType,
                                                    TErrorClass errorClass, int code) {
    if (stopEvent_.IsSignalled()) return;
    receiver_.RestoreFailureReason(ZipFailureReason(errorClass, code, sender.FailureSystemText()));
    receiver_.RestoreItemFailed(item.TargetName);
}

void ZipRestoreHandlers::Bind(TUnZipper& unzipper) {
    unzipper.OnConfirmProcessItem = [this](TUnZipper& sender, TZipItem& item, TProcessType type, bool& confirm) {
        UnzipperConfirmProcessItem(sender, item, type, confirm);
    };
    unzipper.OnArchiveItemProgress = [this](TUnZipper& sender, TZipItem& item, int progress, bool& abort) {
        UnzipperArchiveItemProgress(sender, item, progress, abort);
    };
    unzipper.OnProcessItemFailure = [this](TUnZipper& sender, TZipItem& item, TProcessType type, TErrorClass error,
                                           int code) { UnzipperProcessItemFailure(sender, item, type, error, code); };
}

TRestoreResult ExtractZipBackup(TRestoreJob& job) {
    if (!job.Unzipper) return rrError;
    AssignZipTargets(*job.Unzipper, *job.ElementNames, *job.DestinationFolders);
    ZipRestoreHandlers handlers(*job.StopEvent, *job.MainForm);
    HandlerBinding binding(*job.Unzipper, handlers);
    try {
        job.Unzipper->ExtractTaggedItems();
    } catch (const EUserAbort&) {
        return rrAborted;
    } catch (const EAbortProgress&) {
        return rrAborted;
    } catch (const std::exception& error) {
        job.MainForm->RestoreFailureReason(error.what());
        return rrError;
    } catch (...) {
        return rrError;
    }
    return rrCompleted;
}

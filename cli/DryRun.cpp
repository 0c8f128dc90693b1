#include "DryRun.h"

#include "FailedItem.h"
#include "JsonWriter.h"
#include "Readable.h"
#include "platform/FileSystem.h"
#include "platform/FolderEntries.h"
#include "platform/Path.h"
#include "restoration/zip/ItemName.h"
#include "restoration/FailureReasons.h"
#include "restoration/ZipRestore.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {
namespace {

struct Plan {
    std::vector<std::string> write, replace, remove;
    std::vector<FailedItem> failed;

    void File(const std::string& target) {
        (platform::KindOf(target) == platform::EntryKind::None ? write : replace).push_back(target);
    }
};

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && platform::EndsWithSeparator(path)) path.pop_back();
    return path;
}

// What clearing the folder would remove; a link is removed, never followed.
void PlanClear(const std::string& folder, Plan& plan) {
    const std::string self = WithoutTrailingSeparator(folder);
    const auto kind = platform::KindOf(self);
    if (kind == platform::EntryKind::None) return;
    if (kind == platform::EntryKind::Folder) {
        for (const auto& entry : platform::FindEntries(folder + "*.*")) {
            const std::string path = folder + entry.name;
            if (entry.isFolder && !entry.isLink) {
                PlanClear(path + platform::kPathSeparator, plan);
            } else {
                plan.remove.push_back(path);
            }
        }
    }
    plan.remove.push_back(self);
}

void PlanFolderCopy(const std::string& source, const std::string& target, Plan& plan) {
    for (const auto& entry : platform::FindEntries(source + "*.*")) {
        if (entry.isFolder) {
            PlanFolderCopy(source + entry.name + platform::kPathSeparator, target + entry.name + platform::kPathSeparator,
                           plan);
        } else {
            plan.File(target + entry.name);
        }
    }
}

void PlanZip(TUnZipper& unzipper, const RestorePlan& restore, Plan& plan) {
    AssignZipTargets(unzipper, restore.elements, restore.destinations);
    for (int i = 0; i < unzipper.GetCount(); ++i) {
        const TZipItem& item = unzipper.GetItem(i);
        if (!ZipItemBaseFolder(item)) {
            plan.failed.push_back({platform::WithPlatformSeparators(zip::NormalisedItemName(item.FileName())),
                                   kRefusedNameReason});
        } else if (!item.IsFolder()) {
            plan.File(item.TargetName);
        }
    }
}

void WriteList(const char* verb, const std::vector<std::string>& paths, std::ostream& out) {
    for (const auto& path : paths) out << verb << ' ' << Readable(path) << '\n';
}

}  // namespace

int PrintDryRun(const RestorePlan& restore, bool json, Console& console) {
    Plan plan;
    if (restore.clearFolders) {
        for (std::size_t i = 0; i < restore.elements.size(); ++i) {
            if (platform::EndsWithSeparator(restore.elements[i])) {
                PlanClear(restore.destinations[i] + restore.elements[i], plan);
            }
        }
    }
    if (restore.unzipper) {
        PlanZip(*restore.unzipper, restore, plan);
    } else {
        for (std::size_t i = 0; i < restore.elements.size(); ++i) {
            const std::string& element = restore.elements[i];
            if (platform::EndsWithSeparator(element)) {
                PlanFolderCopy(restore.archivePath + element, restore.destinations[i] + element, plan);
            } else {
                plan.File(restore.destinations[i] + element);
            }
        }
    }
    if (json) {
        JsonWriter writer(console.out);
        writer.BeginObject();
        for (const auto& [key, paths] : {std::pair{"write", &plan.write}, std::pair{"replace", &plan.replace},
                                         std::pair{"delete", &plan.remove}}) {
            writer.Key(key).BeginArray();
            for (const auto& path : *paths) writer.String(path);
            writer.EndArray();
        }
        WriteFailedItems(writer, "failed", plan.failed);
        writer.EndObject().Finish();
    } else {
        WriteList("delete", plan.remove, console.out);
        WriteList("write", plan.write, console.out);
        WriteList("replace", plan.replace, console.out);
        for (const auto& item : plan.failed) console.out << "fail " << Readable(item.name) << ": " << item.reason << '\n';
    }
    return plan.failed.empty() ? kExitOk : kExitItemsFailed;
}

}  // namespace cli

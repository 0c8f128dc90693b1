#include "BackupCheck.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/InputFile.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {
namespace {

constexpr std::size_t kReadChunk = 1 << 20;

// Reads the file to its end; the reason when that fails.
std::optional<std::string> ReadToEnd(const std::string& path, std::uint64_t& bytes, std::uint8_t* buffer) {
    std::optional<platform::InputFile> file = platform::InputFile::Open(path);
    if (!file) return "cannot be opened";
    for (std::uint64_t at = 0; at < file->Size();) {
        const std::int64_t got = file->ReadAt(at, buffer, kReadChunk);
        if (got < 0) return "read error at byte " + std::to_string(at);
        if (got == 0) return "ends at byte " + std::to_string(at) + " of " + std::to_string(file->Size());
        at += static_cast<std::uint64_t>(got);
    }
    bytes = file->Size();
    return std::nullopt;
}

}  // namespace

CheckReport CheckZipArchive(const std::string& archive, const std::function<bool()>& interrupted,
                            const CheckProgress& progress) {
    TUnZipper zipper;
    zipper.OpenArchive(archive);
    CheckReport report;
    report.recovered = zipper.Recovered();
    Progress done;
    for (int i = 0; i < zipper.GetCount(); ++i) {
        const TZipItem& item = zipper.GetItem(i);
        if (item.IsFolder()) continue;
        ++done.totalFiles;
        done.totalBytes += item.UncompressedSize();
    }
    for (int i = 0; i < zipper.GetCount(); ++i) {
        if (interrupted()) {
            report.cancelled = true;
            break;
        }
        TZipItem& item = zipper.GetItem(i);
        if (item.IsFolder()) continue;
        if (progress) {
            done.item = item.TargetName;
            progress(done);
            ++done.files;
            done.bytes += item.UncompressedSize();
        }
        ++report.checked;
        try {
            zipper.VerifyItem(i);
            ++report.good;
            report.bytes += item.UncompressedSize();
        } catch (const EArchiveException& e) {
            report.bad.push_back({item.TargetName, e.what()});
        }
    }
    return report;
}

namespace {

namespace fs = std::filesystem;

// Files first by the folder's listing order, then each subfolder; a folder
// that cannot be listed is one bad item and its content is not visited.
void CheckFolder(const fs::path& folder, const std::function<bool()>& interrupted, const CheckProgress& progress,
                 std::uint8_t* buffer, CheckReport& report) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        report.bad.push_back({folder.string(), "cannot be listed: " + error.message()});
        return;
    }
    std::vector<fs::path> subfolders;
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        if (error) break;
        if (report.cancelled || interrupted()) {
            report.cancelled = true;
            return;
        }
        const fs::directory_entry& entry = *it;
        if (entry.is_symlink(error)) continue;  // a restoration never follows links either
        if (entry.is_directory(error)) {
            subfolders.push_back(entry.path());
            continue;
        }
        if (!entry.is_regular_file(error)) continue;
        if (progress) progress({report.checked, 0, report.bytes, 0, entry.path().string()});
        ++report.checked;
        std::uint64_t bytes = 0;
        if (auto reason = ReadToEnd(entry.path().string(), bytes, buffer)) {
            report.bad.push_back({entry.path().string(), *reason});
        } else {
            ++report.good;
            report.bytes += bytes;
        }
    }
    if (error) report.bad.push_back({folder.string(), "cannot be listed: " + error.message()});
    for (const fs::path& subfolder : subfolders) {
        if (report.cancelled) return;
        CheckFolder(subfolder, interrupted, progress, buffer, report);
    }
}

}  // namespace

CheckReport CheckFolderCopy(const std::string& folder, const std::function<bool()>& interrupted,
                            const CheckProgress& progress) {
    CheckReport report;
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(kReadChunk);
    CheckFolder(fs::path(folder), interrupted, progress, buffer.get(), report);
    return report;
}

}  // namespace cli

#include "ArchiveOpening.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <system_error>

#include "ErrorReport.h"
#include "JsonWriter.h"
#include "backup_index/Backupproindex.h"
#include "localisation/MessageLists.h"

namespace cli {
namespace {

std::size_t VersionNumber(const std::string& text, std::size_t count) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1 || number > count) {
        throw UsageError("--version needs a number from 1 to " + std::to_string(count) + ", not '" + text + "'");
    }
    return number;
}

}  // namespace

std::string NativePath(const std::string& path) { return std::filesystem::path(path).make_preferred().string(); }

std::string AbsoluteIndexPath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return NativePath(error ? path : absolute.string());
}

std::string VersionDateText(const ArchiveVersion& version) {
    using namespace localisation;
    return ArchiveVersionDateText(version.stamp, std::string(BuiltInMessage(MainWindowMessages(), kMsgUnknown)));
}

void WriteLocation(const LocatedArchive& located, bool json, Console& console) {
    if (json) {
        JsonWriter writer(console.out);
        writer.BeginObject();
        writer.Key("expected").String(located.expectedPath);
        writer.Key("exists").Boolean(located.expectedExists);
        writer.Key("versions").BeginArray();
        for (const auto& version : located.versions) {
            writer.BeginObject().Key("location").String(version.location);
            writer.Key("date").String(VersionDateText(version)).EndObject();
        }
        writer.EndArray().EndObject().Finish();
        return;
    }
    console.out << "expected: " << located.expectedPath << (located.expectedExists ? "  (exists)" : "  (missing)")
                << '\n';
    if (located.expectedExists) return;
    if (located.versions.empty()) {
        console.out << "versions: none found in " << located.indexFolder << '\n';
        return;
    }
    console.out << "versions found in " << located.indexFolder << ", in search order:\n";
    for (std::size_t i = 0; i < located.versions.size(); ++i) {
        console.out << "  " << i + 1 << ". " << located.versions[i].location << "    "
                    << VersionDateText(located.versions[i]) << '\n';
    }
}

int OpenArchiveListing(const std::string& indexPath, const std::optional<std::string>& version, bool json,
                       Console& console, ArchiveListing& listing) {
    // The command line's way of choosing a version: the one --version names,
    // or none, after telling which there are.
    bool versionsOffered = false;
    const ArchiveVersionChooser choose = [&](const LocatedArchive& located) -> std::string {
        versionsOffered = true;
        if (!version) {
            WriteLocation(located, json, console);
            console.err << "extractor-cli: the data is not at its expected place; choose a version with --version N\n";
            return "/";
        }
        return located.indexFolder + located.versions[VersionNumber(*version, located.versions.size()) - 1].location;
    };

    bool cancelled = false;
    std::string listedPath;
    try {
        const auto open = [&] {
            const std::int32_t code = OpenIndexFile(indexPath, choose, listing, cancelled, &listedPath);
            return cancelled ? kOpenIndexOk : code;  // the versions were printed; nothing more to say
        };
        if (const auto failed = ReadIndexOrReport(indexPath, json, console, open)) return *failed;
    } catch (const UsageError&) {
        throw;
    } catch (const std::exception& error) {
        // The ZIP component could not read the archive.
        return ReportErrorText(listedPath + ": " + error.what(), json, console);
    }
    if (cancelled) return kExitIndexUnread;
    if (version && !versionsOffered) {
        throw UsageError("the data is at its expected place; --version picks a version only when it is not");
    }
    return kExitOk;
}

}  // namespace cli

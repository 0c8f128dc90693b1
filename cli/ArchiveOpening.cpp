#include "ArchiveOpening.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <system_error>

#include "ErrorReport.h"
#include "JsonWriter.h"
#include "Readable.h"
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
    const auto isCurrent = [&](std::size_t i) { return located.currentFirst && i == 0; };
    if (json) {
        JsonWriter writer(console.out);
        writer.BeginObject();
        writer.Key("expected").String(located.expectedPath);
        writer.Key("exists").Boolean(located.expectedExists);
        writer.Key("versions").BeginArray();
        for (std::size_t i = 0; i < located.versions.size(); ++i) {
            writer.BeginObject().Key("location").String(located.versions[i].location);
            writer.Key("date").String(VersionDateText(located.versions[i]));
            writer.Key("current").Boolean(isCurrent(i)).EndObject();
        }
        writer.EndArray().EndObject().Finish();
        return;
    }
    console.out << "expected: " << Readable(located.expectedPath)
                << (located.expectedExists ? "  (exists)" : "  (missing)") << '\n';
    if (located.versions.empty()) {
        console.out << "versions: none found in " << Readable(located.indexFolder) << '\n';
        return;
    }
    console.out << "versions found in " << Readable(located.indexFolder)
                << (located.currentFirst ? ", the current data first, then in search order:\n" : ", in search order:\n");
    for (std::size_t i = 0; i < located.versions.size(); ++i) {
        console.out << "  " << i + 1 << ". " << Readable(located.versions[i].location) << "    "
                    << (isCurrent(i) ? std::string("(current)") : VersionDateText(located.versions[i])) << '\n';
    }
}

int OpenArchiveListing(const std::string& indexPath, const std::optional<std::string>& version, bool json,
                       Console& console, ArchiveListing& listing) {
    // The command line's way of choosing a version: the one --version names;
    // without it the data at its place, or, when that is missing, none, after
    // telling which there are.
    const ArchiveVersionChooser choose = [&](const LocatedArchive& located) -> std::string {
        if (version) {
            return located.indexFolder +
                   located.versions[VersionNumber(*version, located.versions.size()) - 1].location;
        }
        if (located.expectedExists) return located.expectedPath;
        WriteLocation(located, json, console);
        console.err << "extractor-cli: the data is not at its expected place; choose a version with --version N\n";
        return "/";
    };

    bool cancelled = false;
    std::string listedPath;
    try {
        const auto open = [&] {
            const std::int32_t code =
                OpenIndexFile(indexPath, choose, listing, cancelled, &listedPath, VersionSearch::kAlways);
            return cancelled ? kOpenIndexOk : code;  // the versions were printed; nothing more to say
        };
        if (const auto failed = ReadIndexOrReport(indexPath, json, console, open)) return *failed;
    } catch (const UsageError&) {
        throw;
    } catch (const std::exception& error) {
        // The ZIP component could not read the archive.
        return ReportErrorText(listedPath + ": " + error.what(), json, console);
    }
    return cancelled ? kExitIndexUnread : kExitOk;
}

}  // namespace cli

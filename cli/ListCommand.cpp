#include "ListCommand.h"

#include <exception>

#include "ArchiveOpening.h"
#include "ErrorReport.h"
#include "ItemListing.h"
#include "JsonWriter.h"
#include "Readable.h"
#include "RecoveryWarning.h"

namespace cli {

int RunList(const ParsedArguments& arguments, Console& console) {
    const bool json = arguments.Has("json");
    ArchiveListing listing;
    const std::string path = AbsoluteIndexPath(arguments.Positionals().front());
    const int status = OpenArchiveListing(path, arguments.Value("version"), json, console, listing);
    if (status != kExitOk) return status;
    if (arguments.Has("files")) {
        DataItems items;
        try {
            items = ListDataItems(listing.archivePath);
        } catch (const std::exception& error) {
            return ReportErrorText(listing.archivePath + ": " + error.what(), json, console);
        }
        return WriteItemListing(listing.archivePath, items, json, console);
    }
    if (listing.recovered) WarnRecovered(console.err, listing.archivePath);
    if (json) {
        JsonWriter writer(console.out);
        writer.BeginObject().Key("archive").String(listing.archivePath);
        if (listing.recovered) writer.Key("recovered").Boolean(true).Key("warning").String(kRecoveredWarning);
        writer.Key("elements").BeginArray();
        for (std::size_t i = 0; i < listing.elementNames.size(); ++i) {
            writer.BeginObject().Key("name").String(listing.elementNames[i]);
            writer.Key("destination").String(listing.destinationFolders[i]).EndObject();
        }
        writer.EndArray().EndObject().Finish();
        return kExitOk;
    }
    console.out << "archive: " << Readable(listing.archivePath) << '\n';
    for (std::size_t i = 0; i < listing.elementNames.size(); ++i) {
        console.out << "  " << Readable(listing.elementNames[i]) << "  ->  " << Readable(listing.destinationFolders[i])
                    << '\n';
    }
    return kExitOk;
}

}  // namespace cli

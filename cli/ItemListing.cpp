#include "ItemListing.h"

#include <cinttypes>
#include <cstdio>

#include "CalendarText.h"
#include "JsonWriter.h"
#include "Readable.h"
#include "RecoveryWarning.h"
#include "Summary.h"

namespace cli {
namespace {

// Local time as "2005-03-01 09:30"; "-" for none.
std::string DateText(const std::optional<CalendarTime>& time) { return time ? CalendarText(*time) : "-"; }

const char* KindText(DataItem::Kind kind) {
    switch (kind) {
    case DataItem::Kind::Folder: return "folder";
    case DataItem::Kind::Link: return "link";
    default: return "file";
    }
}

std::string Padded(std::string text, std::size_t width, bool right) {
    if (text.size() >= width) return text;
    const std::string pad(width - text.size(), ' ');
    return right ? pad + text : text + pad;
}

struct Totals {
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
    std::uint64_t compressed = 0;
};

Totals Count(const DataItems& list) {
    Totals totals;
    for (const DataItem& item : list.items) {
        if (item.kind != DataItem::Kind::File) continue;
        ++totals.files;
        totals.bytes += item.size;
        if (item.zip) totals.compressed += item.zip->compressedSize;
    }
    return totals;
}

void WriteJson(const std::string& dataPath, const DataItems& list, const Totals& totals, Console& console) {
    JsonWriter writer(console.out);
    writer.BeginObject().Key("archive").String(dataPath);
    if (list.recovered) writer.Key("recovered").Boolean(true).Key("warning").String(kRecoveredWarning);
    writer.Key("items").BeginArray();
    for (const DataItem& item : list.items) {
        writer.BeginObject().Key("name").String(item.name).Key("kind").String(KindText(item.kind));
        writer.Key("size").Integer(static_cast<std::int64_t>(item.size));
        writer.Key("modified");
        if (item.modified) {
            writer.String(CalendarText(*item.modified, 'T', true));
        } else {
            writer.Null();
        }
        if (item.zip) {
            char crc[9];
            std::snprintf(crc, sizeof crc, "%08" PRIx32, item.zip->crc32);
            writer.Key("method").String(CompressionMethodName(item.zip->method));
            writer.Key("method_code").Integer(item.zip->method);
            writer.Key("compressed_size").Integer(static_cast<std::int64_t>(item.zip->compressedSize));
            writer.Key("crc32").String(crc).Key("encrypted").Boolean(item.zip->encrypted);
        }
        writer.EndObject();
    }
    writer.EndArray();
    writer.Key("files").Integer(static_cast<std::int64_t>(totals.files));
    writer.Key("bytes").Integer(static_cast<std::int64_t>(totals.bytes));
    writer.Key("unread_folders").BeginArray();
    for (const std::string& folder : list.unreadFolders) writer.String(folder);
    writer.EndArray().EndObject().Finish();
}

// Columns: size, for ZIP items the compressed size and the method, the date,
// the name. A folder or link shows its kind in the size column.
void WriteTable(const std::string& dataPath, const DataItems& list, const Totals& totals, Console& console) {
    const bool zip = !list.items.empty() && list.items.front().zip.has_value();
    const auto row = [&](const std::string& size, const std::string& compressed, const std::string& method,
                         const std::string& date, const std::string& name) {
        console.out << Padded(size, 12, true) << "  ";
        if (zip) console.out << Padded(compressed, 12, true) << "  " << Padded(method, 10, false) << "  ";
        console.out << Padded(date, 16, false) << "  " << name << '\n';
    };
    console.out << "archive: " << Readable(dataPath) << '\n';
    row("Size", "Compressed", "Method", "Modified", "Name");
    for (const DataItem& item : list.items) {
        const bool file = item.kind == DataItem::Kind::File;
        std::string name = Readable(item.name);
        if (item.zip && item.zip->encrypted) name += "  (encrypted)";
        row(file ? std::to_string(item.size) : std::string("<") + KindText(item.kind) + ">",
            item.zip && file ? std::to_string(item.zip->compressedSize) : "",
            item.zip ? CompressionMethodName(item.zip->method) : "", DateText(item.modified), name);
    }
    console.out << Counted(totals.files, "file", "files") << ", " << Counted(totals.bytes, "byte", "bytes");
    if (zip) console.out << " (" << totals.compressed << " compressed)";
    console.out << '\n';
}

}  // namespace

int WriteItemListing(const std::string& dataPath, const DataItems& list, bool json, Console& console) {
    if (list.recovered) WarnRecovered(console.err, dataPath);
    for (const std::string& folder : list.unreadFolders) {
        console.err << "extractor-cli: " << Readable(folder) << ": the folder cannot be read; its content is not listed\n";
    }
    const Totals totals = Count(list);
    if (json) {
        WriteJson(dataPath, list, totals, console);
    } else {
        WriteTable(dataPath, list, totals, console);
    }
    return list.unreadFolders.empty() ? kExitOk : kExitItemsFailed;
}

}  // namespace cli

#include "InfoCommand.h"

#include <charconv>
#include <cmath>
#include <string>

#include "CalendarText.h"
#include "ErrorReport.h"
#include "JsonWriter.h"
#include "Readable.h"
#include "backup_index/Backupproindex.h"
#include "backup_index/DateTimeValue.h"

namespace cli {
namespace {

std::string ShortestNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string DateTimeText(double value) {
    if (value == -1.0) return "none recorded (-1)";
    const auto fields = DecodeDateTime(value);
    if (!fields) return "not a date (" + ShortestNumber(value) + ")";
    return CalendarText(*fields, ' ', true) + " (" + ShortestNumber(value) + ")";
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

std::string MethodText(std::int32_t method) {
    const char* meaning = method == 0   ? "appended to the base name"
                          : method == 1 ? "as a folder level"
                                        : "acts as no time stamp";
    return std::to_string(method) + " (" + meaning + ")";
}

void WriteReadable(const VUvivuzOvuDodid& index, std::string_view path, std::ostream& out) {
    auto line = [&](std::string_view label, const std::string& value) {
        out << label << ':' << std::string(25 - label.size(), ' ') << value << '\n';
    };
    line("index file", Readable(path));
    line("name", Readable(index.name));
    line("last_update", DateTimeText(index.last_update));
    line("include_mask", Readable(index.include_mask));
    line("exclude_mask", Readable(index.exclude_mask));
    line("apply_masks_to_folders", YesNo(index.apply_masks_to_folders));
    line("device", Readable(index.device));
    line("backup_folder", Readable(index.backup_folder));
    line("writing_speed", std::to_string(index.writing_speed));
    line("compression_level", std::to_string(index.compression_level));
    line("use_timestamps", YesNo(index.use_timestamps));
    line("timestamps_using_method", MethodText(index.timestamps_using_method));
    line("use_compression", YesNo(index.use_compression) + (index.use_compression ? " (ZIP archive)" : " (folder copy)"));
    line("version", std::to_string(index.version));
    line("elements", std::to_string(index.elements.size()));
    for (std::size_t i = 0; i < index.elements.size(); ++i) {
        const CBackupElement& element = index.elements[i];
        out << "  " << i + 1 << ". " << Readable(element.name) << (element.is_excluded ? "  (excluded)" : "") << '\n';
        for (const auto& exclusion : element.exclusions) out << "       excludes " << Readable(exclusion) << '\n';
    }
}

void WriteJson(const VUvivuzOvuDodid& index, std::ostream& out) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("name").String(index.name);
    json.Key("last_update").Number(index.last_update);
    json.Key("include_mask").String(index.include_mask);
    json.Key("exclude_mask").String(index.exclude_mask);
    json.Key("apply_masks_to_folders").Boolean(index.apply_masks_to_folders);
    json.Key("device").String(index.device);
    json.Key("backup_folder").String(index.backup_folder);
    json.Key("writing_speed").Integer(index.writing_speed);
    json.Key("compression_level").Integer(index.compression_level);
    json.Key("use_timestamps").Boolean(index.use_timestamps);
    json.Key("timestamps_using_method").Integer(index.timestamps_using_method);
    json.Key("use_compression").Boolean(index.use_compression);
    json.Key("version").Integer(index.version);
    json.Key("elements").BeginArray();
    for (const CBackupElement& element : index.elements) {
        json.BeginObject();
        json.Key("name").String(element.name);
        json.Key("is_excluded").Boolean(element.is_excluded);
        json.Key("exclusions").BeginArray();
        for (const auto& exclusion : element.exclusions) json.String(exclusion);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject().Finish();
}

}  // namespace

int RunInfo(const ParsedArguments& arguments, Console& console) {
    const std::string& path = arguments.Positionals().front();
    const bool json = arguments.Has("json");
    VUvivuzOvuDodid index;
    if (const auto failed = ReadIndexOrReport(path, json, console, [&] { return ImportIndexFile(index, path); })) {
        return *failed;
    }
    if (json) {
        WriteJson(index, console.out);
    } else {
        WriteReadable(index, path, console.out);
    }
    return kExitOk;
}

}  // namespace cli

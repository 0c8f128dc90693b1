#include "ErrorReport.h"

#include <optional>
#include <string>

#include "JsonWriter.h"
#include "backup_index/Backupproindex.h"
#include "localisation/MessageLists.h"

namespace cli {
namespace {

void WriteError(std::optional<std::int32_t> code, std::string_view caption, std::string_view text, bool json,
                Console& console, std::string_view path = {}) {
    if (!json) {
        console.err << caption << ": ";
        if (!path.empty()) console.err << path << ": ";
        console.err << text << '\n';
        return;
    }
    JsonWriter writer(console.out);
    writer.BeginObject().Key("error").BeginObject().Key("code");
    if (code) {
        writer.Integer(*code);
    } else {
        writer.Null();
    }
    writer.Key("caption").String(caption).Key("text").String(text);
    if (!path.empty()) writer.Key("path").String(path);
    writer.EndObject().EndObject().Finish();
}

}  // namespace

int ReportIndexError(std::int32_t code, std::string_view indexPath, bool json, Console& console) {
    using namespace localisation;
    const OpenErrorMessage* message = FindOpenErrorMessage(code);
    std::string caption, text;
    if (message != nullptr) {
        caption = PrepareMessage(BuiltInMessage(MainWindowMessages(), message->caption), indexPath);
        text = PrepareMessage(BuiltInMessage(MainWindowMessages(), message->text), indexPath);
    } else {
        // The window shows nothing for such a code; the command line still says what happened.
        caption = std::string(BuiltInMessage(MainWindowMessages(), kMsgError));
        text = "Cannot read " + std::string(indexPath) + " (code " + std::to_string(code) + ").";
    }
    const bool named = text.find(indexPath) != std::string::npos;
    WriteError(code, caption, text, json, console, named ? std::string_view() : indexPath);
    return kExitIndexUnread;
}

int ReportErrorText(std::string_view text, bool json, Console& console) {
    WriteError(std::nullopt, localisation::BuiltInMessage(localisation::MainWindowMessages(), localisation::kMsgError),
               text, json, console);
    return kExitIndexUnread;
}

std::optional<int> ReadIndexOrReport(std::string_view path, bool json, Console& console,
                                     const std::function<std::int32_t()>& read) {
    std::int32_t code;
    try {
        code = read();
    } catch (const EConvertError& error) {
        return ReportErrorText(error.what(), json, console);
    }
    if (code != 0) return ReportIndexError(code, path, json, console);
    return std::nullopt;
}

int ReportError(std::string_view caption, std::string_view text, int status, bool json, Console& console) {
    WriteError(std::nullopt, caption, text, json, console);
    return status;
}

}  // namespace cli

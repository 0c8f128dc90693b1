#include "FailedItem.h"

#include "JsonWriter.h"

namespace cli {

void WriteFailedItems(JsonWriter& writer, const char* key, const std::vector<FailedItem>& items) {
    writer.Key(key).BeginArray();
    for (const auto& item : items) {
        writer.BeginObject().Key("name").String(item.name).Key("reason").String(item.reason).EndObject();
    }
    writer.EndArray();
}

}  // namespace cli

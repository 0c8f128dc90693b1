// An item that extract, restore or verify could not bring back, with why.
#pragma once

#include <string>
#include <vector>

namespace cli {

class JsonWriter;

struct FailedItem {
    std::string name;
    std::string reason;  // empty when none was given
};

// The key and its array: "KEY": [{"name": ..., "reason": ...}, ...].
void WriteFailedItems(JsonWriter& writer, const char* key, const std::vector<FailedItem>& items);

}  // namespace cli

// A small JSON writer: indented output, and strings written from raw bytes.
//
// Strings: valid UTF-8 passes through unchanged; '"', '\' and control
// characters are escaped; every byte that is not part of valid UTF-8 is
// written as the escape of a lone low surrogate, \udc80..\udcff for the bytes
// 0x80..0xff. Valid UTF-8 never holds a surrogate, so the bytes come back
// exactly: read the string, turn each \udcXX back into the byte XX and
// encode everything else as UTF-8 (in Python: s.encode("utf-8", "surrogateescape")).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The JSON string literal (with its quotes) for a byte string.
std::string JsonString(std::string_view bytes);

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The name of the next member of the current object.
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view bytes);
    JsonWriter& Integer(std::int64_t value);
    // The shortest text that reads back as the same double; null when not finite.
    JsonWriter& Number(double value);
    JsonWriter& Boolean(bool value);
    JsonWriter& Null();
    // Ends the document with a line feed.
    void Finish();

private:
    void BeforeValue();
    void Close(char bracket);
    void NewLine();

    struct Level {
        bool empty = true;
    };
    std::ostream& out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

}  // namespace cli

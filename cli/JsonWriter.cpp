#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace cli {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence that starts at i, or 0.
std::size_t Utf8SequenceAt(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = at(i);
    const std::size_t left = s.size() - i;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return left >= 2 && IsContinuation(at(i + 1)) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (left < 3) return 0;
        const unsigned char c1 = at(i + 1);
        const unsigned char low = c == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        const unsigned char high = c == 0xED ? 0x9F : 0xBF;  // no surrogates
        return c1 >= low && c1 <= high && IsContinuation(at(i + 2)) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (left < 4) return 0;
        const unsigned char c1 = at(i + 1);
        const unsigned char low = c == 0xF0 ? 0x90 : 0x80;   // no overlong forms
        const unsigned char high = c == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
        return c1 >= low && c1 <= high && IsContinuation(at(i + 2)) && IsContinuation(at(i + 3)) ? 4 : 0;
    }
    return 0;
}

void AppendEscape(std::string& out, unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    out += escape;
}

}  // namespace

std::string JsonString(std::string_view bytes) {
    std::string out = "\"";
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        switch (c) {
            case '"': out += "\\\""; ++i; continue;
            case '\\': out += "\\\\"; ++i; continue;
            case '\b': out += "\\b"; ++i; continue;
            case '\f': out += "\\f"; ++i; continue;
            case '\n': out += "\\n"; ++i; continue;
            case '\r': out += "\\r"; ++i; continue;
            case '\t': out += "\\t"; ++i; continue;
            default: break;
        }
        if (c < 0x20) {
            AppendEscape(out, c);
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceAt(bytes, i);
        if (length == 0) {
            AppendEscape(out, 0xDC00 + c);  // a byte outside valid UTF-8
            ++i;
            continue;
        }
        out.append(bytes.substr(i, length));
        i += length;
    }
    out += '"';
    return out;
}

void JsonWriter::NewLine() {
    out_ << '\n';
    for (std::size_t i = 0; i < levels_.size(); ++i) out_ << "  ";
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) return;
    if (!levels_.back().empty) out_ << ',';
    levels_.back().empty = false;
    NewLine();
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    out_ << '{';
    levels_.push_back({});
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    out_ << '[';
    levels_.push_back({});
    return *this;
}

void JsonWriter::Close(char bracket) {
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) NewLine();
    out_ << bracket;
}

JsonWriter& JsonWriter::EndObject() {
    Close('}');
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    BeforeValue();
    out_ << JsonString(name) << ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view bytes) {
    BeforeValue();
    out_ << JsonString(bytes);
    return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    out_ << value;
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    if (!std::isfinite(value)) return Null();
    BeforeValue();
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out_.write(text, result.ptr - text);
    return *this;
}

JsonWriter& JsonWriter::Boolean(bool value) {
    BeforeValue();
    out_ << (value ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    out_ << "null";
    return *this;
}

void JsonWriter::Finish() { out_ << '\n'; }

}  // namespace cli

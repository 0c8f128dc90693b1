#include "backup_index/XmlValues.h"

#include <tinyxml2.h>

#include <cstring>
#include <limits>
#include <optional>

namespace xmlvalues {
namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The code point of "#N" or "#xH" (the text between "&" and ";"), or nothing.
std::optional<std::uint32_t> CharacterReference(std::string_view body) {
    if (body.size() < 2 || body[0] != '#') return std::nullopt;
    int base = 10;
    std::size_t i = 1;
    if (body[1] == 'x') {
        base = 16;
        i = 2;
    }
    if (i == body.size()) return std::nullopt;
    std::uint32_t cp = 0;
    for (; i < body.size(); ++i) {
        const int digit = DigitValue(body[i], base);
        if (digit < 0) return std::nullopt;
        cp = cp * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
        if (cp > 0x10FFFF) return std::nullopt;
    }
    if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
}

std::string_view NamedEntity(std::string_view body) {
    if (body == "lt") return "<";
    if (body == "gt") return ">";
    if (body == "amp") return "&";
    if (body == "quot") return "\"";
    if (body == "apos") return "'";
    return {};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of the pseudo-attribute "encoding" in a declaration's text
// ("xml version=\"1.0\" encoding=\"UTF-8\""), or nothing.
std::optional<std::string_view> DeclaredEncoding(std::string_view declaration) {
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos) return std::nullopt;
    std::size_t i = key + 8;
    while (i < declaration.size() && IsXmlBlank(declaration[i])) ++i;
    if (i >= declaration.size() || declaration[i] != '=') return std::nullopt;
    ++i;
    while (i < declaration.size() && IsXmlBlank(declaration[i])) ++i;
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\'')) return std::nullopt;
    const char quote = declaration[i++];
    const std::size_t end = declaration.find(quote, i);
    if (end == std::string_view::npos) return std::nullopt;
    return declaration.substr(i, end - i);
}

constexpr std::size_t kLongestReference = 32;

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::string DecodeReferences(std::string_view raw, bool utf8Document) {
    std::string out;
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        if (raw[i] != '&') {
            out += raw[i++];
            continue;
        }
        // References are short: look for the ";" nearby only, which also keeps
        // a value full of "&" from being scanned over and over.
        const std::size_t semicolon = raw.substr(i + 1, kLongestReference).find(';');
        const std::size_t end = semicolon == std::string_view::npos ? semicolon : i + 1 + semicolon;
        if (end == std::string_view::npos) {
            out += raw[i++];
            continue;
        }
        const std::string_view body = raw.substr(i + 1, end - i - 1);
        const std::string_view named = NamedEntity(body);
        if (!named.empty()) {
            out += named;
            i = end + 1;
            continue;
        }
        const auto cp = CharacterReference(body);
        if (cp && utf8Document) {
            AppendUtf8(out, *cp);
            i = end + 1;
        } else if (cp && *cp < 0x100) {
            out += static_cast<char>(*cp);
            i = end + 1;
        } else {
            out += raw[i++];
        }
    }
    return out;
}

bool IsUtf8Document(const tinyxml2::XMLDocument& document) {
    if (document.HasBOM()) return true;
    const tinyxml2::XMLNode* first = document.FirstChild();
    const tinyxml2::XMLDeclaration* declaration = first != nullptr ? first->ToDeclaration() : nullptr;
    if (declaration == nullptr || declaration->Value() == nullptr) return false;
    const auto encoding = DeclaredEncoding(declaration->Value());
    return !encoding || EqualsIgnoringCase(*encoding, "UTF-8") || EqualsIgnoringCase(*encoding, "UTF8");
}

std::int32_t ToInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate towards the sign's side so that the minimum is reachable.
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = negative ? value * 10 - digit : value * 10 + digit;
        if (value > kMax) return static_cast<std::int32_t>(kMax);
        if (value < kMin) return static_cast<std::int32_t>(kMin);
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace xmlvalues

#include "JsonWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <sstream>

namespace {

using cli::JsonString;

// An independent reader of one JSON string literal back into bytes, as a
// consumer would do it: \udc80..\udcff alone give the byte; other escapes and
// raw text give UTF-8. Nothing when the literal is not strict JSON or holds
// raw bytes that are not valid UTF-8.
std::optional<std::string> ReadBack(const std::string& literal) {
    auto appendUtf8 = [](std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | cp >> 6), out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | cp >> 12), out += char(0x80 | (cp >> 6 & 0x3F)), out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | cp >> 18), out += char(0x80 | (cp >> 12 & 0x3F));
            out += char(0x80 | (cp >> 6 & 0x3F)), out += char(0x80 | (cp & 0x3F));
        }
    };
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"') return std::nullopt;
    const std::string body = literal.substr(1, literal.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < body.size();) {
        const auto c = static_cast<unsigned char>(body[i]);
        if (c == '"' || c < 0x20) return std::nullopt;
        if (c != '\\') {
            // Raw bytes: one whole UTF-8 character, decoded and checked.
            int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
            if (length == 0 || i + length > body.size()) return std::nullopt;
            std::uint32_t cp = length == 1 ? c : c & (0x7F >> length);
            for (int k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(body[i + k]);
                if ((next & 0xC0) != 0x80) return std::nullopt;
                cp = cp << 6 | (next & 0x3F);
            }
            const std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
            if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
            out.append(body, i, length);
            i += length;
            continue;
        }
        if (i + 1 >= body.size()) return std::nullopt;
        const char e = body[i + 1];
        const std::string simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
        if (simple.find(e) != std::string::npos) {
            out += meaning[simple.find(e)];
            i += 2;
            continue;
        }
        if (e != 'u' || i + 6 > body.size()) return std::nullopt;
        const std::uint32_t unit = std::stoul(body.substr(i + 2, 4), nullptr, 16);
        i += 6;
        if (unit >= 0xDC80 && unit <= 0xDCFF) {
            out += char(unit - 0xDC00);  // an escaped byte
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            return std::nullopt;  // this writer never writes other surrogates
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

TEST(JsonString, EscapesWhatJsonRequiresAndPassesValidUtf8) {
    const struct {
        std::string bytes;
        const char* literal;
    } cases[] = {
        {"plain", "\"plain\""},
        {"", "\"\""},
        {"C:\\new\\\"x\"", "\"C:\\\\new\\\\\\\"x\\\"\""},
        {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
        {std::string("\x00\x01\x1f\x7f", 4), "\"\\u0000\\u0001\\u001f\x7f\""},
        {"Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\"Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
        {"Caf\xE9", "\"Caf\\udce9\""},
        {"\x80\xFF", "\"\\udc80\\udcff\""},
        {"\xC3", "\"\\udcc3\""},                          // cut-off sequence
        {"\xC3\xA9\xC3", "\"\xC3\xA9\\udcc3\""},
        {"\xC0\xAF", "\"\\udcc0\\udcaf\""},               // overlong
        {"\xE0\x80\xAF", "\"\\udce0\\udc80\\udcaf\""},    // overlong
        {"\xED\xA0\x80", "\"\\udced\\udca0\\udc80\""},    // an encoded surrogate
        {"\xF4\x90\x80\x80", "\"\\udcf4\\udc90\\udc80\\udc80\""},  // above U+10FFFF
        {"\xE9\xA9", "\"\\udce9\\udca9\""},
    };
    for (const auto& c : cases) EXPECT_EQ(JsonString(c.bytes), c.literal);
}

// Any bytes at all come back exactly from what the writer wrote.
TEST(JsonString, EveryByteStringComesBackExactly) {
    std::mt19937 random(12345);
    std::vector<std::string> samples = {"\xF0\x9F\x98", "\xED\xB2\x80", "\\udce9", "\xEF\xBF\xBF\xF4\x8F\xBF\xBF"};
    for (int n = 0; n < 3000; ++n) {
        std::string bytes(random() % 12, '\0');
        for (char& b : bytes) {
            // Lean towards the bytes that make up UTF-8, so that valid and
            // broken sequences both come up often.
            const unsigned pick = random() % 4;
            b = char(pick == 0 ? random() % 256 : pick == 1 ? 0x80 + random() % 64 : pick == 2 ? 0xC0 + random() % 64 : 'a');
        }
        samples.push_back(bytes);
    }
    for (const auto& bytes : samples) {
        const auto back = ReadBack(JsonString(bytes));
        ASSERT_TRUE(back) << JsonString(bytes);
        ASSERT_EQ(*back, bytes) << JsonString(bytes);
    }
}

TEST(JsonWriter, WritesNestedValuesIndented) {
    std::ostringstream out;
    cli::JsonWriter json(out);
    json.BeginObject();
    json.Key("n").Integer(-7);
    json.Key("list").BeginArray().String("a").BeginObject().EndObject().BeginArray().EndArray().EndArray();
    json.Key("flags").BeginArray().Boolean(true).Boolean(false).Null().EndArray();
    json.EndObject().Finish();
    EXPECT_EQ(out.str(),
              "{\n"
              "  \"n\": -7,\n"
              "  \"list\": [\n"
              "    \"a\",\n"
              "    {},\n"
              "    []\n"
              "  ],\n"
              "  \"flags\": [\n"
              "    true,\n"
              "    false,\n"
              "    null\n"
              "  ]\n"
              "}\n");
}

TEST(JsonWriter, NumbersAreShortestExactAndNonFiniteOnesNull) {
    auto text = [](double value) {
        std::ostringstream out;
        cli::JsonWriter(out).Number(value);
        return out.str();
    };
    EXPECT_EQ(text(-1.0), "-1");
    EXPECT_EQ(text(38411.5), "38411.5");
    EXPECT_EQ(text(45356.604166666664), "45356.604166666664");
    EXPECT_EQ(text(0.1), "0.1");
    EXPECT_EQ(text(1e300), "1e+300");
    EXPECT_EQ(text(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(text(-std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(std::stod(text(45356.604166666664)), 45356.604166666664);
}

}  // namespace

#include "backup_index/XmlValues.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>

namespace {

TEST(XmlValues, DecodesReferencesByTheDocumentsEncoding) {
    const struct {
        const char* raw;
        const char* ansi;
        const char* utf8;
    } cases[] = {
        {"plain", "plain", "plain"},
        {"&lt;&gt;&amp;&quot;&apos;", "<>&\"'", "<>&\"'"},
        {"&amp;lt;", "&lt;", "&lt;"},  // decoded once
        {"&#72;&#x69;", "Hi", "Hi"},
        {"&#xFF;", "\xFF", "\xC3\xBF"},
        {"&#x100;", "&#x100;", "\xC4\x80"},
        {"&#x10FFFF;", "&#x10FFFF;", "\xF4\x8F\xBF\xBF"},
        {"&#x110000;", "&#x110000;", "&#x110000;"},
        {"&#xD800;", "&#xD800;", "&#xD800;"},
        {"&#0;&#x0;", "&#0;&#x0;", "&#0;&#x0;"},
        {"&#X41;", "&#X41;", "&#X41;"},  // only a lower-case x
        {"&#0000000000000000000000000065;", "A", "A"},
        {"&#65", "&#65", "&#65"},
        {"&AMP;", "&AMP;", "&AMP;"},
        {"&", "&", "&"},
        {"a & b; c", "a & b; c", "a & b; c"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(xmlvalues::DecodeReferences(c.raw, false), c.ansi) << c.raw;
        EXPECT_EQ(xmlvalues::DecodeReferences(c.raw, true), c.utf8) << c.raw;
    }
}

TEST(XmlValues, ManyAmpersandsDecodeInLinearTime) {
    const std::string raw = std::string(200000, '&') + ";";
    EXPECT_EQ(xmlvalues::DecodeReferences(raw, false), raw);
}

TEST(XmlValues, IntegersReadLikeAtoi) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"12abc", 12}, {" -5", -5}, {"\t\n\v\f\r 9", 9}, {"+", 0}, {"-", 0},
        {"--1", 0}, {"+-1", 0}, {"1e3", 1}, {"3.9", 3}, {"2147483647", 2147483647},
        {"2147483648", 2147483647}, {"-2147483648", -2147483647 - 1}, {"-2147483649", -2147483647 - 1},
        {"000000000000000000000000042", 42}, {"99999999999999999999999999", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(xmlvalues::ToInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(XmlValues, KnowsWhenADocumentIsUtf8) {
    const struct {
        const char* text;
        bool utf8;
    } cases[] = {
        {"<r/>", false},
        {"\xEF\xBB\xBF<r/>", true},
        {"<?xml version=\"1.0\"?><r/>", true},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><r/>", true},
        {"<?xml version='1.0' encoding = 'utf8'?><r/>", true},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><r/>", false},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r/>", false},
    };
    for (const auto& c : cases) {
        tinyxml2::XMLDocument document(false, tinyxml2::PRESERVE_WHITESPACE);
        ASSERT_EQ(document.Parse(c.text), tinyxml2::XML_SUCCESS) << c.text;
        EXPECT_EQ(xmlvalues::IsUtf8Document(document), c.utf8) << c.text;
    }
}

}  // namespace

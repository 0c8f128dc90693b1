#include "Arguments.h"

#include <gtest/gtest.h>

namespace {

using cli::OptionSpec;
using cli::ParseArguments;

constexpr OptionSpec kOptions[] = {{"json", false}, {"version", true}};

cli::ParsedArguments Parse(std::vector<std::string> arguments) { return ParseArguments(arguments, kOptions); }

TEST(Arguments, ReadsOptionsAndPositionalsInAnyOrder) {
    auto parsed = Parse({"a.lxi", "--json", "--version", "3", "b"});
    EXPECT_TRUE(parsed.Has("json"));
    EXPECT_EQ(parsed.Value("version"), "3");
    EXPECT_EQ(parsed.Positionals(), (std::vector<std::string>{"a.lxi", "b"}));

    parsed = Parse({"--version=", "-", "--", "--json", "-h"});
    EXPECT_EQ(parsed.Value("version"), "");
    EXPECT_FALSE(parsed.Has("json"));
    EXPECT_EQ(parsed.Positionals(), (std::vector<std::string>{"-", "--json", "-h"}));
    EXPECT_FALSE(parsed.Value("json"));
}

TEST(Arguments, RefusesMistakes) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"--bogus"}, {"-j"}, {"--json=1"}, {"--version"}, {"--json", "--json"}, {"--version=1", "--version", "2"},
        {"--JSON"},
    };
    for (const auto& arguments : mistakes) EXPECT_THROW(Parse(arguments), cli::UsageError) << arguments[0];
}

TEST(Arguments, HelpIsAskedBeforeTheEndOfOptions) {
    EXPECT_TRUE(cli::AsksForHelp(std::vector<std::string>{"x", "--help"}));
    EXPECT_TRUE(cli::AsksForHelp(std::vector<std::string>{"-h"}));
    EXPECT_FALSE(cli::AsksForHelp(std::vector<std::string>{"--", "--help"}));
    EXPECT_FALSE(cli::AsksForHelp(std::vector<std::string>{"--helpful"}));
}

}  // namespace

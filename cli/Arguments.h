// Parsing of a command's arguments: long options ("--json", "--name value",
// "--name=value"), positionals, and "--" after which everything is positional.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A mistake in the command line; the message says which. Exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string_view name;  // without the leading "--"
    bool takesValue = false;
    bool repeatable = false;  // may be given more than once; Values() has them all
    std::string_view value{};  // the value's name in the help: "DIR"
    std::string_view help{};   // one line for the command's --help
};

// The options most commands share, with their help line.
inline constexpr OptionSpec kJsonOption{"json", false, false, "",
                                        "print one JSON object on standard output, for errors too"};
inline constexpr OptionSpec kVersionOption{"version", true, false, "N",
                                           "use the N-th version that locate lists (1: the current data, when present)"};

class ParsedArguments {
public:
    bool Has(std::string_view option) const { return options_.count(std::string(option)) != 0; }
    // The value of an option that takes one, or nothing when it was not given.
    std::optional<std::string> Value(std::string_view option) const;
    // Every value of an option, in command-line order.
    std::vector<std::string> Values(std::string_view option) const;
    const std::vector<std::string>& Positionals() const { return positionals_; }

private:
    friend ParsedArguments ParseArguments(std::span<const std::string>, std::span<const OptionSpec>);
    std::multimap<std::string, std::string, std::less<>> options_;
    std::vector<std::string> positionals_;
};

// Throws UsageError for an unknown option, a missing value, a value given to
// an option that takes none, or an option given twice that is not repeatable. "-" alone is a positional.
ParsedArguments ParseArguments(std::span<const std::string> arguments, std::span<const OptionSpec> options);

// True when the arguments ask for help ("--help" or "-h" before any "--").
bool AsksForHelp(std::span<const std::string> arguments);

}  // namespace cli

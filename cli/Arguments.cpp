#include "Arguments.h"

#include <algorithm>

namespace cli {

std::optional<std::string> ParsedArguments::Value(std::string_view option) const {
    const auto found = options_.find(option);
    if (found == options_.end()) return std::nullopt;
    return found->second;
}

std::vector<std::string> ParsedArguments::Values(std::string_view option) const {
    std::vector<std::string> values;
    for (auto [it, end] = options_.equal_range(option); it != end; ++it) values.push_back(it->second);
    return values;
}

ParsedArguments ParseArguments(std::span<const std::string> arguments, std::span<const OptionSpec> options) {
    ParsedArguments parsed;
    bool onlyPositionals = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyPositionals || argument.size() < 2 || argument[0] != '-') {
            parsed.positionals_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyPositionals = true;
            continue;
        }
        if (argument[1] != '-') throw UsageError("unknown option '" + argument + "'");

        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const auto known = std::find_if(options.begin(), options.end(),
                                       [&](const OptionSpec& o) { return o.name == name; });
        if (known == options.end()) throw UsageError("unknown option '--" + name + "'");
        if (parsed.Has(name) && !known->repeatable) throw UsageError("option '--" + name + "' given twice");

        std::string value;
        if (known->takesValue) {
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                throw UsageError("option '--" + name + "' needs a value");
            }
        } else if (equals != std::string::npos) {
            throw UsageError("option '--" + name + "' takes no value");
        }
        parsed.options_.emplace(name, std::move(value));
    }
    return parsed;
}

bool AsksForHelp(std::span<const std::string> arguments) {
    for (const auto& argument : arguments) {
        if (argument == "--") return false;
        if (argument == "--help" || argument == "-h") return true;
    }
    return false;
}

}  // namespace cli

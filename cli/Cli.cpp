#include "Cli.h"

#include <algorithm>
#include <exception>
#include <new>

#include "ErrorReport.h"

namespace cli {
namespace {

constexpr std::string_view kProgram = "extractor-cli";
constexpr std::string_view kUsageCaption = "Usage error";

void WriteUsage(std::ostream& out) {
    out << "usage: " << kProgram << " COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command& command : Commands()) {
        out << "  " << command.synopsis << "\n      " << command.summary << '\n';
    }
    out << "\n'" << kProgram << " help COMMAND' or '" << kProgram << " COMMAND --help' explains one command;\n'"
        << kProgram << " --version' prints the version.\n"
        << "Exit status: 0 done, 2 wrong usage, 5 an unexpected error; a command's --help tells its own.\n";
}

// True when the command's arguments ask for JSON ("--json" before any "--"):
// then even a usage error is a JSON object on standard output.
bool AsksForJson(std::span<const std::string> arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") return false;
        if (argument == "--json") return true;
    }
    return false;
}

// Usage, summary, one line per option, then the exit statuses in order.
void WriteCommandHelp(const Command& command, std::ostream& out) {
    out << "usage: " << kProgram << ' ' << command.synopsis << "\n  " << command.summary << "\n\noptions:\n";
    constexpr std::size_t kColumn = 22;
    const auto line = [&out](std::string left, std::string_view help) {
        left = "  " + left;
        out << left << std::string(left.size() < kColumn ? kColumn - left.size() : 1, ' ') << help << '\n';
    };
    for (const OptionSpec& option : command.options) {
        std::string left = "--" + std::string(option.name);
        if (option.takesValue) left += ' ' + std::string(option.value);
        line(left, option.help);
    }
    line("--help, -h", "show this help");
    out << "\nexit status: " << command.exitStatuses << '\n';
}

int UsageFailure(std::string_view message, const Command* command, Console& console, bool json = false) {
    if (json) ReportError(kUsageCaption, message, kExitUsage, true, console);
    console.err << kProgram << ": " << message << '\n';
    if (command != nullptr) {
        console.err << "usage: " << kProgram << ' ' << command->synopsis << '\n';
    } else {
        WriteUsage(console.err);
    }
    return kExitUsage;
}

int RunCommand(const Command& command, std::span<const std::string> arguments, Console& console) {
    if (AsksForHelp(arguments)) {
        WriteCommandHelp(command, console.out);
        return kExitOk;
    }
    const ParsedArguments parsed = ParseArguments(arguments, command.options);
    const std::size_t count = parsed.Positionals().size();
    if (count < command.minPositionals) throw UsageError("missing arguments");
    if (count > command.maxPositionals) throw UsageError("too many arguments");
    return command.run(parsed, console);
}

}  // namespace

int Run(std::span<const std::string> arguments, Console& console) {
    if (arguments.empty()) return UsageFailure("no command given", nullptr, console);
    const std::string& name = arguments.front();
    if (name == "--version") {
        console.out << kProgram << ' ' << EXTRACTOR_VERSION << '\n';
        return kExitOk;
    }
    const bool helpTopic = name == "help" && arguments.size() > 1;
    if ((name == "--help" || name == "-h" || name == "help") && !helpTopic) {
        WriteUsage(console.out);
        return kExitOk;
    }
    const std::string& commandName = helpTopic ? arguments[1] : name;
    const auto commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == commandName; });
    const bool json = AsksForJson(arguments.subspan(1));
    if (command == commands.end()) {
        return UsageFailure("unknown command '" + commandName + "'", nullptr, console, json);
    }
    if (helpTopic) {
        if (arguments.size() > 2) return UsageFailure("help takes one command", nullptr, console);
        const std::string help[] = {"--help"};
        return RunCommand(*command, help, console);
    }
    try {
        return RunCommand(*command, arguments.subspan(1), console);
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), &*command, console, json);
    } catch (const std::bad_alloc&) {
        return ReportError(kProgram, "out of memory", kExitError, json, console);
    } catch (const std::exception& error) {
        return ReportError(kProgram, error.what(), kExitError, json, console);
    }
}

}  // namespace cli

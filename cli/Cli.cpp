#include "Cli.h"

#include <algorithm>
#include <exception>
#include <new>

namespace cli {
namespace {

constexpr std::string_view kProgram = "extractor-cli";

void WriteUsage(std::ostream& out) {
    out << "usage: " << kProgram << " COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command& command : Commands()) {
        out << "  " << command.synopsis << "\n      " << command.summary << '\n';
    }
    out << "\n'" << kProgram << " COMMAND --help' shows the usage of one command.\n"
        << "Exit status: 0 done, 2 wrong usage, 5 an unexpected error; a command's --help tells its own.\n";
}

int UsageFailure(std::string_view message, const Command* command, Console& console) {
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
        console.out << "usage: " << kProgram << ' ' << command.synopsis << "\n  " << command.summary
                    << "\nExit status: " << command.exitStatuses << ", 2 wrong usage\n";
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
    if (name == "--help" || name == "-h" || name == "help") {
        WriteUsage(console.out);
        return kExitOk;
    }
    const auto commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == name; });
    if (command == commands.end()) return UsageFailure("unknown command '" + name + "'", nullptr, console);
    try {
        return RunCommand(*command, arguments.subspan(1), console);
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), &*command, console);
    } catch (const std::bad_alloc&) {
        console.err << kProgram << ": out of memory\n";
    } catch (const std::exception& error) {
        console.err << kProgram << ": " << error.what() << '\n';
    }
    return kExitError;
}

}  // namespace cli

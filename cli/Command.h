// What every command of the command-line restorer has: a name, its usage, its
// options, and a function that runs it. Commands are listed in CommandTable.cpp.
#pragma once

#include <cstddef>
#include <ostream>
#include <span>
#include <string_view>

#include "Arguments.h"

namespace cli {

// Exit statuses of the program, shared by its commands.
enum ExitStatus : int {
    kExitOk = 0,
    kExitItemsFailed = 1,  // done, but some items failed (extraction, restoration)
    kExitUsage = 2,        // a mistake in the command line
    kExitIndexUnread = 3,  // the index file could not be read
    kExitCancelled = 4,    // interrupted by the user
    kExitError = 5,        // ended with an error (unreadable archive, unexpected failure)
};

// Where a command writes: out for results, err for messages to the user.
struct Console {
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string_view name;
    std::string_view synopsis;  // "info [--json] INDEX"
    std::string_view summary;   // one line for the command list
    std::string_view exitStatuses;  // for the command's --help: "0 done, 3 ..."
    std::span<const OptionSpec> options;
    std::size_t minPositionals;
    std::size_t maxPositionals;
    int (*run)(const ParsedArguments& arguments, Console& console);
};

std::span<const Command> Commands();

}  // namespace cli

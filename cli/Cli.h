// The command-line restorer as a function: arguments in (without the program
// name), output on the console, exit status back.
#pragma once

#include <span>
#include <string>

#include "Command.h"

namespace cli {

int Run(std::span<const std::string> arguments, Console& console);

}  // namespace cli

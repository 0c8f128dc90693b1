// extractor-cli: restores backups from the command line.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"

int main(int argc, char** argv) {
    std::setlocale(LC_TIME, "");  // dates in index files follow the user's locale
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    cli::Console console{std::cout, std::cerr};
    const int status = cli::Run(arguments, console);
    std::cout.flush();
    return std::cout ? status : cli::kExitError;
}

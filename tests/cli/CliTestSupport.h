// Running extractor-cli in the test process, with the output captured.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"

namespace clitest {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome RunCli(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    cli::Console console{out, err};
    const int status = cli::Run(arguments, console);
    return {status, out.str(), err.str()};
}

}  // namespace clitest

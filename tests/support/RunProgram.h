// Runs a program as a separate process and collects what it wrote (POSIX only).
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct ProgramResult {
    int exitCode = -1;  // -1 when the program did not end normally or could not start
    std::string out;    // standard output, bytes as written
    std::string err;    // standard error
};

// Standard output and error go to files that are read back once it ends, so a
// chatty program cannot block on a full pipe.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace testsupport

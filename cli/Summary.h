// The counts that extract and restore print for people: one plural rule and
// one end line on standard error.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace cli {

// "1 file", "2 files".
std::string Counted(std::uint64_t n, const char* one, const char* many);

// "extractor-cli: VERB N files, B bytes to WHERE; F items failed".
void WriteSummary(std::ostream& err, const char* verb, std::uint64_t files, std::uint64_t bytes,
                  const std::string& where, std::uint64_t failed);

}  // namespace cli

#include "Summary.h"

namespace cli {

std::string Counted(std::uint64_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

void WriteSummary(std::ostream& err, const char* verb, std::uint64_t files, std::uint64_t bytes,
                  const std::string& where, std::uint64_t failed) {
    err << "extractor-cli: " << verb << ' ' << Counted(files, "file", "files") << ", " << Counted(bytes, "byte", "bytes")
        << " to " << where << "; " << Counted(failed, "item", "items") << " failed\n";
}

}  // namespace cli

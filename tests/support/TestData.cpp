#include "TestData.h"

#include <cstdlib>

namespace testsupport {

std::filesystem::path SharedDir() {
    if (const char* overridden = std::getenv("EXTRACTOR_SHARED_DIR")) return overridden;
    return EXTRACTOR_SHARED_DIR;
}

std::filesystem::path ZipCorpusFile(std::string_view name) { return SharedDir() / "zip-corpus" / name; }

}  // namespace testsupport

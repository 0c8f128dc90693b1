// Where the tests find data that is not built by the tests themselves.
#pragma once

#include <filesystem>
#include <string_view>

namespace testsupport {

// The shared folder beside the repository (it holds zip-corpus/).
std::filesystem::path SharedDir();
std::filesystem::path ZipCorpusFile(std::string_view name);

}  // namespace testsupport

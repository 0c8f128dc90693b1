// Names for the temporary files that restored data is written to before it
// takes its target's place. They live in the target's folder, so that the last
// step is a rename within one folder, and each one is created exclusively: a
// temporary file never replaces anything, whatever names the folder holds.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

enum class CreateOutcome { Created, NameTaken, Failed };

// Calls create with fresh temporary names (a plain name, no folder) until it
// reports Created, which returns that name, or Failed, which returns nothing.
// NameTaken means something is at that name already: the next name is tried,
// a bounded number of times.
std::optional<std::string> CreateUnderTemporaryName(const std::function<CreateOutcome(const std::string& name)>& create);

// True for a name that CreateUnderTemporaryName hands out.
bool IsTemporaryName(const std::string& name);

}  // namespace platform

// Which selections get the audio command.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

// The extension of a path's last name component, from its last "." on
// (including the "."); empty when that name has no ".".
std::string_view ExtensionOf(std::string_view path);

// True when any path (file or folder alike) has one of the audio extensions,
// compared without regard to letter case.
bool HasAudioFiles(const std::vector<std::string>& paths);

}  // namespace ombrix

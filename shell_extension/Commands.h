// The two menu commands, indexed by their offset from the first command
// identifier the shell grants.
#pragma once

#include <cstddef>

namespace ombrix {

struct Command {
    const char* menuTextKey;   // key in the language file's section "Ombrix"
    const char* menuText;      // built-in text when the language file has none
    const char* helpTextKey;
    const char* helpText;
    const char* verb;          // language-independent name for scripts and newer shells
    const wchar_t* verbWide;
    const char* burnerSwitch;  // precedes the list file's path on the command line
};

inline constexpr Command kCommands[] = {
    {"SHS1", "Burn data CD/DVD with Lumavex Pro", "SHS1SB", "Burn selected data onto CD/DVD with Lumavex Pro",
     "lumavex.burndata", L"lumavex.burndata", "-data:"},
    {"SHS2", "Burn audio CD with Lumavex Pro", "SHS2SB", "Burn selected music onto audio CD with Lumavex Pro",
     "lumavex.burnaudio", L"lumavex.burnaudio", "-audio:"},
};
inline constexpr std::size_t kDataCommand = 0;
inline constexpr std::size_t kAudioCommand = 1;
inline constexpr std::size_t kCommandCount = sizeof kCommands / sizeof kCommands[0];

}  // namespace ombrix

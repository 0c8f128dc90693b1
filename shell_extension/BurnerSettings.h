// What the extension learns about the burning application: its folder from the
// user's registry and the menu texts from its language file.
#pragma once

#include <string>

namespace ombrix {

struct BurnerSettings {
    std::string folder;        // as stored, ending with a separator; empty when unknown
    std::string languageFile;  // folder + "Lumavex Pro.lng", empty when the folder is unknown
    std::string exe;           // folder + "Lumavex.exe", empty when the folder is unknown
};

// Reads "AppPathPro" from HKCU\Software\Norvane\Lumavex\Settings. A missing key
// or value leaves every field empty; a present but empty value gives the bare names.
BurnerSettings ReadBurnerSettings();

// The value of key in section "Ombrix" of the language file (at most 259
// characters), or builtIn when the file, the section or the key is missing.
// A key present with an empty value gives an empty text.
std::string ReadMenuText(const std::string& languageFile, const char* key, const char* builtIn);

}  // namespace ombrix

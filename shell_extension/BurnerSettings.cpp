#include "BurnerSettings.h"

#include <windows.h>

#include <cstring>

namespace ombrix {
namespace {

constexpr char kSettingsKey[] = "Software\\Norvane\\Lumavex\\Settings";
constexpr char kFolderValue[] = "AppPathPro";
constexpr char kLanguageFileName[] = "Lumavex Pro.lng";
constexpr char kExeName[] = "Lumavex.exe";
constexpr char kLanguageSection[] = "Ombrix";

}  // namespace

BurnerSettings ReadBurnerSettings() {
    BurnerSettings settings;
    HKEY key = nullptr;
    // Reading needs no more than query access, which a restricted user still has.
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return settings;
    }
    char buffer[MAX_PATH] = {};
    DWORD size = sizeof buffer;
    const LONG status = RegQueryValueExA(key, kFolderValue, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return settings;
    }
    // The value is used up to its first zero byte, whatever its type; data that
    // fills the buffer without one is taken whole rather than read past.
    settings.folder.assign(buffer, strnlen(buffer, size));
    settings.languageFile = settings.folder + kLanguageFileName;
    settings.exe = settings.folder + kExeName;
    return settings;
}

std::string ReadMenuText(const std::string& languageFile, const char* key, const char* builtIn) {
    if (languageFile.empty()) {
        return builtIn;
    }
    char buffer[MAX_PATH] = {};
    const DWORD length = GetPrivateProfileStringA(kLanguageSection, key, builtIn, buffer, sizeof buffer,
                                                  languageFile.c_str());
    return std::string(buffer, length);
}

}  // namespace ombrix

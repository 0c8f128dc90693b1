#include "OmbrixTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ombrixtest {
namespace {

std::string WindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

template <class Function>
void Resolve(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Loads the DLL, registers it and sets up COM for all tests; undoes it all at the end.
class OmbrixEnvironment : public testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        module_ = LoadOmbrix(OmbrixDllPath());
        ASSERT_NE(module_.module, nullptr) << "cannot load " << OmbrixDllPath();
        ASSERT_EQ(module_.registerServer(), S_OK);
    }
    void TearDown() override {
        if (module_.module != nullptr) {
            EXPECT_EQ(module_.unregisterServer(), S_OK);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Norvane");
        CoUninitialize();
    }
    const OmbrixModule& module() const { return module_; }

private:
    OmbrixModule module_;
};

OmbrixEnvironment* const g_environment =
    static_cast<OmbrixEnvironment*>(testing::AddGlobalTestEnvironment(new OmbrixEnvironment));

}  // namespace

std::string OmbrixDllPath() { return WindowsPath(OMBRIX_DLL_PATH); }
std::string StubExePath() { return WindowsPath(OMBRIX_STUB_PATH); }

OmbrixModule LoadOmbrix(const std::string& path) {
    OmbrixModule loaded;
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        return loaded;
    }
    Resolve(module, "DllCanUnloadNow", loaded.canUnloadNow);
    Resolve(module, "DllGetClassObject", loaded.getClassObject);
    Resolve(module, "DllRegisterServer", loaded.registerServer);
    Resolve(module, "DllUnregisterServer", loaded.unregisterServer);
    if (loaded.canUnloadNow && loaded.getClassObject && loaded.registerServer && loaded.unregisterServer) {
        loaded.module = module;
    } else {
        FreeLibrary(module);
    }
    return loaded;
}

const OmbrixModule& Ombrix() { return g_environment->module(); }

std::string LoadedOmbrixPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(Ombrix().module, path, sizeof path);
    return std::string(path, length);
}

std::optional<std::string> ReadString(HKEY root, const std::string& key, const char* valueName) {
    RegKey opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, opened.out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(opened.get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    std::string data(size, '\0');
    if (RegQueryValueExA(opened.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(std::min<std::size_t>(size, data.size()));
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return data;
}

bool KeyExists(HKEY root, const std::string& key) {
    RegKey opened;
    return RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.out()) == ERROR_SUCCESS;
}

std::vector<std::string> ValueNames(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    RegKey opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS) {
        return names;
    }
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(opened.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    return Sorted(std::move(names));
}

std::vector<std::string> SubkeyNames(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    RegKey opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS) {
        return names;
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(opened.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    return Sorted(std::move(names));
}

void SetAppPathPro(const std::string& folder, DWORD type, bool withTerminator) {
    RegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.out(),
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.get(), "AppPathPro", 0, type, reinterpret_cast<const BYTE*>(folder.c_str()),
                             static_cast<DWORD>(folder.size() + (withTerminator ? 1 : 0))),
              ERROR_SUCCESS);
}

void DeleteAppPathPro() {
    RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, key.out()) == ERROR_SUCCESS) {
        RegDeleteValueA(key.get(), "AppPathPro");
    }
}

}  // namespace ombrixtest

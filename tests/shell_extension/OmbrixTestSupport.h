// What the Ombrix client tests share: the DLL under test loaded in this process
// with its exports, a small COM pointer, and registry helpers.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

namespace ombrixtest {

// {46CC93AA-C322-42DD-AA3A-CF9FC71D9871}, written out independently of the DLL's sources.
inline constexpr CLSID kClsid = {0x46cc93aa, 0xc322, 0x42dd, {0xaa, 0x3a, 0xcf, 0x9f, 0xc7, 0x1d, 0x98, 0x71}};
inline constexpr char kClsidString[] = "{46cc93aa-c322-42dd-aa3a-cf9fc71d9871}";

// Paths of the build's outputs in Windows form.
std::string OmbrixDllPath();
std::string StubExePath();

struct OmbrixModule {
    HMODULE module = nullptr;
    HRESULT(STDAPICALLTYPE* canUnloadNow)() = nullptr;
    HRESULT(STDAPICALLTYPE* getClassObject)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(STDAPICALLTYPE* registerServer)() = nullptr;
    HRESULT(STDAPICALLTYPE* unregisterServer)() = nullptr;
};

// Loads a copy of the DLL and finds its four exports; module stays null on failure.
OmbrixModule LoadOmbrix(const std::string& path);

// The DLL under test, loaded and registered for the whole test run.
const OmbrixModule& Ombrix();
// Its full path as the module reports it.
std::string LoadedOmbrixPath();

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = other.p_;
            other.p_ = nullptr;
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    T** put() {
        reset();
        return &p_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }
    void reset() {
        if (p_ != nullptr) {
            p_->Release();
            p_ = nullptr;
        }
    }

private:
    T* p_ = nullptr;
};

// Registry reading in this process's own view.
std::optional<std::string> ReadString(HKEY root, const std::string& key, const char* valueName);
bool KeyExists(HKEY root, const std::string& key);
std::vector<std::string> ValueNames(HKEY root, const std::string& key);  // sorted; "" for the unnamed value
std::vector<std::string> SubkeyNames(HKEY root, const std::string& key);  // sorted

// A registry key handle that closes itself.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The burning application's settings key in HKEY_CURRENT_USER.
inline constexpr char kSettingsKey[] = "Software\\Norvane\\Lumavex\\Settings";
void SetAppPathPro(const std::string& folder, DWORD type = REG_SZ, bool withTerminator = true);
void DeleteAppPathPro();

}  // namespace ombrixtest

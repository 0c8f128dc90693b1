#include "Registration.h"

#include <olectl.h>
#include <rpc.h>

#include <optional>
#include <string>

#include "Identity.h"
#include "ModuleState.h"

namespace ombrix {
namespace {

constexpr char kApprovalKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

struct RegistryEntry {
    HKEY root;
    std::string key;
    const char* valueName;  // nullptr for the key's unnamed value
    std::string data;
};

HRESULT FromWin32(LONG error) { return HRESULT_FROM_WIN32(static_cast<DWORD>(error)); }

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// Opens the key, creating it and missing parents as persistent keys (a
// registered extension must survive a restart).
LONG CreateKey(HKEY root, const std::string& path, REGSAM access, RegistryKey& key) {
    return RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.out(),
                           nullptr);
}

HRESULT WriteRegistryString(const RegistryEntry& entry) {
    RegistryKey key;
    LONG status = CreateKey(entry.root, entry.key, KEY_SET_VALUE, key);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key.get(), entry.valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.data.c_str()),
                                static_cast<DWORD>(entry.data.size() + 1));
    }
    return FromWin32(status);
}

// The class id as the registry spells it: lower-case groups in braces.
std::optional<std::string> ClassIdString() {
    UUID id = kContextMenuClsid;
    RPC_CSTR text = nullptr;
    if (UuidToStringA(&id, &text) != RPC_S_OK) {
        return std::nullopt;
    }
    std::string braced = "{";
    braced += reinterpret_cast<const char*>(text);
    braced += '}';
    RpcStringFreeA(&text);
    return braced;
}

// The full path of this DLL, whatever its file is called.
std::optional<std::string> ModulePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(ModuleHandle(), path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return std::nullopt;  // a cut path would register a file that does not exist
    }
    return std::string(path, length);
}

std::string ClassKey(const std::string& clsid) { return "CLSID\\" + clsid; }
std::string HandlerKey(const char* type) { return std::string(type) + "\\shellex\\ContextMenuHandlers\\" + kHandlerKeyName; }

}  // namespace

HRESULT RegisterServer() {
    const std::optional<std::string> clsid = ClassIdString();
    if (!clsid) {
        return SELFREG_E_CLASS;
    }
    const std::optional<std::string> modulePath = ModulePath();
    if (!modulePath) {
        return SELFREG_E_CLASS;
    }
    const std::string serverKey = ClassKey(*clsid) + "\\InprocServer32";
    const RegistryEntry entries[] = {
        {HKEY_LOCAL_MACHINE, kApprovalKey, clsid->c_str(), kApprovalDescription},
        {HKEY_CLASSES_ROOT, std::string(kProgId) + "\\CLSID", nullptr, *clsid},
        {HKEY_CLASSES_ROOT, ClassKey(*clsid), nullptr, kProgId},
        {HKEY_CLASSES_ROOT, serverKey, nullptr, *modulePath},
        {HKEY_CLASSES_ROOT, serverKey, "ThreadingModel", kThreadingModel},
        {HKEY_CLASSES_ROOT, HandlerKey("*"), nullptr, *clsid},
        {HKEY_CLASSES_ROOT, HandlerKey("Directory"), nullptr, *clsid},
    };
    for (const RegistryEntry& entry : entries) {
        const HRESULT result = WriteRegistryString(entry);
        if (FAILED(result)) {
            return result;
        }
    }
    return S_OK;
}

HRESULT UnregisterServer() {
    const std::optional<std::string> clsid = ClassIdString();
    if (!clsid) {
        return SELFREG_E_CLASS;
    }
    HRESULT firstFailure = S_OK;
    auto note = [&](LONG status) {
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND && SUCCEEDED(firstFailure)) {
            firstFailure = FromWin32(status);
        }
    };
    for (const std::string& key : {std::string(kProgId), ClassKey(*clsid), HandlerKey("*"), HandlerKey("Directory")}) {
        note(RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str()));
    }
    RegistryKey approval;
    const LONG opened = CreateKey(HKEY_LOCAL_MACHINE, kApprovalKey, KEY_SET_VALUE, approval);
    if (opened != ERROR_SUCCESS) {
        note(opened);
        return firstFailure;
    }
    note(RegDeleteValueA(approval.get(), clsid->c_str()));
    return firstFailure;
}

}  // namespace ombrix

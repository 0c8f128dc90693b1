#include "ContextMenu.h"

#include <shellapi.h>

#include <algorithm>
#include <string_view>

#include "AudioFiles.h"
#include "Commands.h"
#include "ComSupport.h"
#include "Identity.h"
#include "ListFile.h"
#include "ModuleState.h"

namespace ombrix {
namespace {

HRESULT ResultCount(UINT count) { return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, count); }

HRESULT LastErrorResult() {
    const DWORD error = GetLastError();
    return error == ERROR_SUCCESS ? E_FAIL : HRESULT_FROM_WIN32(error);
}

// Copies text cut to the buffer, always zero-terminated.
template <class Char>
void CopyCut(std::basic_string_view<Char> text, Char* buffer, UINT bufferSize) {
    const std::size_t length = std::min<std::size_t>(text.size(), bufferSize - 1);
    std::copy_n(text.data(), length, buffer);
    buffer[length] = Char{};
}

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// Verbs are matched as the shell does, without regard to letter case.
HRESULT CommandOfVerb(const char* verb, std::size_t& command) {
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        if (lstrcmpiA(verb, kCommands[i].verb) == 0) {
            command = i;
            return S_OK;
        }
    }
    return E_FAIL;
}

HRESULT CommandOfVerb(const wchar_t* verb, std::size_t& command) {
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        if (lstrcmpiW(verb, kCommands[i].verbWide) == 0) {
            command = i;
            return S_OK;
        }
    }
    return E_FAIL;
}

HRESULT CommandOfOffset(UINT_PTR offset, std::size_t& command) {
    if (offset >= kCommandCount) {
        return E_INVALIDARG;
    }
    command = offset;
    return S_OK;
}

// The command an invocation names: an offset from the first identifier, or a
// verb string (wide when the caller says its record carries one).
HRESULT CommandOfInvocation(const CMINVOKECOMMANDINFO& invocation, std::size_t& command) {
    if (invocation.cbSize >= sizeof(CMINVOKECOMMANDINFOEX) && (invocation.fMask & CMIC_MASK_UNICODE) != 0) {
        const auto& extended = reinterpret_cast<const CMINVOKECOMMANDINFOEX&>(invocation);
        if (IS_INTRESOURCE(extended.lpVerbW)) {
            return CommandOfOffset(reinterpret_cast<UINT_PTR>(extended.lpVerbW), command);
        }
        return CommandOfVerb(extended.lpVerbW, command);
    }
    if (IS_INTRESOURCE(invocation.lpVerb)) {
        return CommandOfOffset(reinterpret_cast<UINT_PTR>(invocation.lpVerb), command);
    }
    return CommandOfVerb(invocation.lpVerb, command);
}

class StorageMedium {
public:
    StorageMedium() = default;
    ~StorageMedium() {
        if (medium_.tymed != TYMED_NULL) {
            ReleaseStgMedium(&medium_);
        }
    }
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;
    STGMEDIUM* get() { return &medium_; }

private:
    STGMEDIUM medium_ = {};
};

}  // namespace

CoLumavexContextMenu::CoLumavexContextMenu() : burner_(ReadBurnerSettings()) { ObjectCreated(); }

CoLumavexContextMenu::~CoLumavexContextMenu() { ObjectDestroyed(); }

HRESULT CoLumavexContextMenu::Create(REFIID riid, void** out) {
    return Guarded([&] {
        auto* handler = new CoLumavexContextMenu();
        const HRESULT result = handler->QueryInterface(riid, out);
        if (FAILED(result)) {
            delete handler;
        }
        return result;
    });
}

STDMETHODIMP CoLumavexContextMenu::QueryInterface(REFIID riid, void** out) {
    using Self = CoLumavexContextMenu;
    static constexpr InterfaceEntry<Self> kInterfaces[] = {
        {&IID_IUnknown, [](Self* self) -> IUnknown* { return static_cast<IShellExtInit*>(self); }},
        {&IID_IShellExtInit, [](Self* self) -> IUnknown* { return static_cast<IShellExtInit*>(self); }},
        {&IID_IContextMenu, [](Self* self) -> IUnknown* { return static_cast<IContextMenu*>(self); }},
        // Asked for its own class id, the object answers with itself, whose
        // first part is the identity.
        {&kContextMenuClsid, [](Self* self) -> IUnknown* { return static_cast<IShellExtInit*>(self); }},
    };
    return QueryInterfaceFromTable(this, kInterfaces, riid, out);
}

STDMETHODIMP_(ULONG) CoLumavexContextMenu::AddRef() { return InterlockedIncrement(&refCount_); }

STDMETHODIMP_(ULONG) CoLumavexContextMenu::Release() {
    const LONG count = InterlockedDecrement(&refCount_);
    if (count == 0) {
        delete this;
    }
    return count;
}

STDMETHODIMP CoLumavexContextMenu::Initialize(PCIDLIST_ABSOLUTE, IDataObject* dataObject, HKEY) {
    if (dataObject == nullptr) {
        return E_INVALIDARG;
    }
    return Guarded([&] { return ReadSelection(dataObject); });
}

HRESULT CoLumavexContextMenu::ReadSelection(IDataObject* dataObject) {
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StorageMedium medium;
    const HRESULT result = dataObject->GetData(&format, medium.get());
    if (FAILED(result)) {
        return result;
    }
    if (medium.get()->tymed != TYMED_HGLOBAL || medium.get()->hGlobal == nullptr) {
        return DV_E_TYMED;
    }
    auto drop = static_cast<HDROP>(medium.get()->hGlobal);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> files;
    files.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        // Each path is read at its full length: a cut path would name another file.
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length, '\0');
        const UINT copied = DragQueryFileA(drop, i, path.data(), length + 1);
        path.resize(std::min(copied, length));
        if (!path.empty()) {  // an empty name (some systems count one in an empty list) names nothing
            files.push_back(std::move(path));
        }
    }
    selectedFiles_ = std::move(files);
    return S_OK;
}

STDMETHODIMP CoLumavexContextMenu::QueryContextMenu(HMENU menu, UINT position, UINT firstId, UINT lastId,
                                                    UINT flags) {
    // Only a request for the default item alone (or no flag at all) gets nothing.
    if ((flags & ~static_cast<UINT>(CMF_DEFAULTONLY)) == 0) {
        return ResultCount(0);
    }
    return Guarded([&] { return AddMenuItems(menu, position, firstId, lastId); });
}

HRESULT CoLumavexContextMenu::AddMenuItems(HMENU menu, UINT position, UINT firstId, UINT lastId) {
    // Identifiers beyond the granted range could belong to another handler.
    if (firstId > lastId) {
        return ResultCount(0);
    }
    const bool withAudio = HasAudioFiles(selectedFiles_) && lastId - firstId >= 1;

    UINT next = position;
    auto insert = [&](UINT kind, UINT_PTR id, const char* text) {
        const BOOL inserted = InsertMenuA(menu, next, MF_BYPOSITION | kind, id, text);
        if (next != static_cast<UINT>(-1)) {  // -1 appends; every item then goes last
            ++next;
        }
        return inserted != FALSE;
    };
    auto insertCommand = [&](std::size_t command) {
        const std::string text = TextOf(kCommands[command].menuTextKey, kCommands[command].menuText);
        return insert(MF_STRING, firstId + command, text.c_str());
    };

    if (!insert(MF_SEPARATOR, 0, nullptr) || !insertCommand(kDataCommand) ||
        (withAudio && !insertCommand(kAudioCommand)) || !insert(MF_SEPARATOR, 0, nullptr)) {
        return LastErrorResult();
    }
    return ResultCount(withAudio ? 2 : 1);
}

STDMETHODIMP CoLumavexContextMenu::InvokeCommand(CMINVOKECOMMANDINFO* invocation) {
    if (invocation == nullptr) {
        return E_INVALIDARG;
    }
    std::size_t command = 0;
    const HRESULT named = CommandOfInvocation(*invocation, command);
    if (FAILED(named)) {
        return named;
    }
    return Guarded([&] { return RunCommand(command, invocation->hwnd); });
}

HRESULT CoLumavexContextMenu::RunCommand(std::size_t command, HWND owner) {
    if (burner_.exe.empty()) {
        return E_FAIL;  // the registry names no application to start
    }
    // A protected program folder may refuse the file; the user's temporary
    // folder takes it then.
    std::vector<std::string> folders;
    if (!burner_.folder.empty()) {
        folders.push_back(burner_.folder);
    }
    folders.push_back(UserTempFolder());
    const std::optional<std::string> listFile = WriteListFile(folders, selectedFiles_);
    if (!listFile) {
        return E_FAIL;
    }

    // One argument: the switch immediately followed by the list file's path.
    const std::string parameters = std::string("\"") + kCommands[command].burnerSwitch + *listFile + "\"";
    const auto started = reinterpret_cast<INT_PTR>(
        ShellExecuteA(owner, "open", burner_.exe.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL));
    if (started <= 32) {
        DeleteFileA(listFile->c_str());  // nobody will read it
        return E_FAIL;
    }
    return S_OK;
}

STDMETHODIMP CoLumavexContextMenu::GetCommandString(UINT_PTR offset, UINT kind, UINT*, CHAR* buffer,
                                                    UINT bufferSize) {
    if (kind != GCS_HELPTEXTA && kind != GCS_HELPTEXTW && kind != GCS_VERBA && kind != GCS_VERBW) {
        return E_NOTIMPL;
    }
    if (offset >= kCommandCount) {
        return E_FAIL;
    }
    if (buffer == nullptr || bufferSize == 0) {
        return E_INVALIDARG;
    }
    const Command& command = kCommands[offset];
    return Guarded([&] {
        auto* wideBuffer = reinterpret_cast<wchar_t*>(buffer);
        switch (kind) {
        case GCS_HELPTEXTA:
            CopyCut<char>(TextOf(command.helpTextKey, command.helpText), buffer, bufferSize);
            break;
        case GCS_HELPTEXTW:
            CopyCut<wchar_t>(WideFromAnsi(TextOf(command.helpTextKey, command.helpText)), wideBuffer, bufferSize);
            break;
        case GCS_VERBA:
            CopyCut<char>(command.verb, buffer, bufferSize);
            break;
        default:
            CopyCut<wchar_t>(command.verbWide, wideBuffer, bufferSize);
            break;
        }
        return S_OK;
    });
}

std::string CoLumavexContextMenu::TextOf(const char* key, const char* builtIn) const {
    return ReadMenuText(burner_.languageFile, key, builtIn);
}

}  // namespace ombrix

// The interface between the toolkit's components and a backend that shows them.
// Components keep every property in memory; a backend gives a component a peer
// and tells the peer what changed. The Win32 backend's peers are real windows;
// the headless backend keeps no peers for controls at all.
#pragma once

#include "ui/Types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Application;
class TControl;
class TForm;

// What changed on a component; the peer reads the new state from the component.
// subject names the element for the list, tree and menu aspects.
enum class Aspect {
    Text,          // caption, edit text or memo lines
    Hint,
    Enabled,
    Visible,
    Bounds,
    Font,
    Checked,
    Options,       // read-only, default button, word wrap, ...
    Picture,
    Columns,       // list view: columns added or removed
    Column,        // list view: one column (subject: the TListColumn)
    ItemAdded,     // list view (subject: the TListItem) / tree view (subject: the TTreeNode)
    ItemChanged,
    ItemRemoved,   // told before the element goes
    ItemsCleared,
    Selection,     // list view: subject's selection; tree view: the selected node
    Expanded,      // tree view (subject: the node)
    BeginUpdate,
    EndUpdate,
    Images,        // the image list a view shows
    Menu,          // form: its menu was assigned or restructured
    MenuItem,      // form: one menu item's caption, state or shortcut (subject: the TMenuItem)
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Update(Aspect aspect, const void* subject) = 0;
    virtual TSize ClientSize() const = 0;
    virtual void Focus() = 0;
};

class FormPeer : public ControlPeer {
public:
    // Any thread may post; the message is dispatched on the UI thread.
    virtual void Post(const TMessage& message) = 0;
    // Dispatches on the calling (UI) thread and returns the handler's result.
    virtual std::intptr_t Send(TMessage& message) = 0;
    // The outer size of a form whose client area has the given size.
    virtual TSize OuterSizeFor(TSize clientSize) const = 0;
    virtual void AcceptFiles(bool accept) = 0;
};

// What a message box, file dialog or folder browser is asked to show.
struct MessageBoxRequest {
    const TForm* owner = nullptr;  // null: no owner window
    std::string text;
    std::string caption;
    unsigned flags = 0;  // TMessageBoxFlags
};

enum TOpenOption : unsigned {
    ofHideReadOnly = 1,
    ofPathMustExist = 2,
    ofFileMustExist = 4,
    ofEnableSizing = 8,
};

struct OpenDialogRequest {
    const TForm* owner = nullptr;
    std::string title;
    std::string filter;  // "Text (*.txt)|*.txt|All files (*.*)|*.*"
    int filterIndex = 1; // 1-based
    std::string defaultExt;
    std::string initialDir;
    std::string fileName;
    unsigned options = 0;  // TOpenOption bits
};

struct FolderBrowseRequest {
    const TForm* owner = nullptr;
    std::string title;
};

// The folder browser's answer: cancelled, a folder with a file-system path, or
// a confirmed item without one (a virtual folder).
struct FolderChoice {
    enum Outcome { Cancelled, Chosen, NotFileSystem };
    Outcome outcome = Cancelled;
    std::string path;
};

// The browser's OK button is enabled for this selection: it has a file-system
// path and that path is not a network path.
bool FolderBrowserAccepts(const std::string& fileSystemPath);

class Backend {
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<FormPeer> CreateFormPeer(Application& app, TForm& form) = 0;
    // Null when the kind has nothing to show on this backend.
    virtual std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) = 0;

    // Dispatches what is waiting; returns without waiting.
    virtual void ProcessMessages(Application& app) = 0;
    // Runs until the application terminates.
    virtual void Run(Application& app) = 0;
    // Shows the form modally and returns its modal result.
    virtual int RunModal(Application& app, TForm& form) = 0;

    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual std::optional<std::string> ExecuteOpenDialog(const OpenDialogRequest& request) = 0;
    virtual FolderChoice BrowseForFolder(const FolderBrowseRequest& request) = 0;

    // The paths of a drop (the WParam of msg::DropFiles), each up to 4095
    // characters, in drop order; the drop is released.
    virtual std::vector<std::string> DroppedFiles(std::uintptr_t drop) = 0;

    // The system's list of small icons (shared, never destroyed by us).
    virtual std::uintptr_t SystemSmallImages() = 0;
    // Index of the small icon for a name in the system list, or -1. A name that
    // ends with "\" stands for a folder; any other name gets the icon of its
    // extension, whether or not it exists.
    virtual int ShellSmallIconIndex(const std::string& name) = 0;
    // Opens a web address with the shell's default action; failures are silent.
    virtual void OpenUrl(const std::string& address) = 0;

    // The desktop area that forms are centred in.
    virtual TRect WorkArea() const = 0;
};

}  // namespace ui

// Reads the real controls behind components on the Win32 backend, and reads
// and answers message boxes, for window tests under Wine. Library
// ui_win32_probe; tests of other areas may link it too.
#pragma once

#include "ui/Toolkit.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace uitest::win32 {

std::string Text(HWND window);
std::string Text(const ui::TControl& control);  // caption of a form, button, label; text of an edit
bool Enabled(const ui::TControl& control);
bool Checked(const ui::TControl& control);       // check box or radio button

std::string ListColumnCaption(const ui::TListView& list, int column);
int ListColumnWidth(const ui::TListView& list, int column);
int ListItemCount(const ui::TListView& list);
std::string ListItemText(const ui::TListView& list, int item, int subItem = 0);
bool ListItemSelected(const ui::TListView& list, int item);

// Every node's text, parents before children.
std::vector<std::string> TreeTexts(const ui::TTreeView& tree);
std::string TreeSelectedText(const ui::TTreeView& tree);

std::string MenuItemText(const ui::TMenuItem& item);  // with "\t" and the shortcut
bool MenuItemEnabled(const ui::TMenuItem& item);

int FontPointSize(const ui::TControl& control);
std::string FontName(const ui::TControl& control);
int FontCharset(const ui::TControl& control);

// The hint the form's tooltip shows for the control; "" for none.
std::string HintText(const ui::TControl& control);

// True when the process's activation context (the program's manifest)
// redirects comctl32.dll to a side-by-side assembly: common controls 6.
bool CommonControlsFromManifest();

// Dispatches the thread's messages until condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// While it lives, every message box this thread shows is read and answered
// with the given button from a CBT hook, as a user would.
class MessageBoxWatcher {
public:
    struct Box {
        std::string text;
        std::string caption;
        HWND owner = nullptr;
    };
    explicit MessageBoxWatcher(int answer = IDOK);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    int answer_;
    HHOOK hook_ = nullptr;
    std::vector<Box> boxes_;
};

}  // namespace uitest::win32

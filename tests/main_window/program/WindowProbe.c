/* Drives a running program's windows from another process, as a user's tools
 * would: finds a top-level window by its title, clicks its buttons, posts keys
 * and menu commands, and reads its edit controls. A 64-bit program, so that it
 * runs beside an emulated 32-bit one.
 *
 *   WindowProbe wait TITLE SECONDS      exit 0 once a visible window has the title
 *   WindowProbe gone TITLE SECONDS      exit 0 once no window has the title
 *   WindowProbe click TITLE BUTTON      clicks the child button with that text; 1 while it is
 *                                       missing or disabled
 *   WindowProbe key TITLE return|escape posts the key to the window
 *   WindowProbe menu TITLE ITEM         posts the command of the menu item with that text
 *   WindowProbe log TITLE               prints the text of the first multi-line edit
 *   WindowProbe edit TITLE              prints the text of the first single-line edit
 *   WindowProbe tree TITLE              expands and selects the first node of its tree view
 *   WindowProbe close TITLE             posts the window its close request
 * Exit code 0 on success, 1 when the window or control is not found, 2 on bad usage. */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

struct Search {
    const char* className; /* NULL: any */
    const char* text;      /* NULL: any */
    int multiLine;         /* -1: any, 0: single-line only, 1: multi-line only */
    HWND found;
};

static BOOL CALLBACK Match(HWND child, LPARAM param) {
    struct Search* search = (struct Search*)param;
    char name[64];
    char text[1024];
    GetClassNameA(child, name, sizeof name);
    if (search->className && _stricmp(name, search->className) != 0) return TRUE;
    if (search->multiLine >= 0) {
        int multi = (GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE) != 0;
        if (multi != search->multiLine) return TRUE;
    }
    if (search->text) {
        SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, NULL);
        if (strcmp(text, search->text) != 0) return TRUE;
    }
    search->found = child;
    return FALSE;
}

static HWND Child(HWND window, const char* className, const char* text, int multiLine) {
    struct Search search = {className, text, multiLine, NULL};
    EnumChildWindows(window, Match, (LPARAM)&search);
    return search.found;
}

static HWND Window(const char* title) {
    HWND window = FindWindowA(NULL, title);
    return window && IsWindowVisible(window) ? window : NULL;
}

static int PrintText(HWND control) {
    static char text[1 << 20];
    text[0] = '\0';
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, NULL);
    fputs(text, stdout);
    fputs("\n", stdout);
    return 0;
}

/* The command of the item with that text in the menu or its submenus; 0 for none. */
static UINT MenuCommand(HMENU menu, const char* itemText) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        GetMenuStringA(menu, (UINT)i, text, sizeof text, MF_BYPOSITION);
        char* tab = strchr(text, '\t');
        if (tab) *tab = '\0';
        HMENU sub = GetSubMenu(menu, i);
        if (sub) {
            UINT found = MenuCommand(sub, itemText);
            if (found) return found;
        } else if (strcmp(text, itemText) == 0) {
            return GetMenuItemID(menu, i);
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const char* command = argv[1];
    const char* title = argv[2];
    if (strcmp(command, "wait") == 0 || strcmp(command, "gone") == 0) {
        int seconds = argc > 3 ? atoi(argv[3]) : 60;
        int wantPresent = strcmp(command, "wait") == 0;
        for (int tenths = 0; tenths < seconds * 10; ++tenths) {
            if ((Window(title) != NULL) == wantPresent) return 0;
            Sleep(100);
        }
        return 1;
    }
    HWND window = Window(title);
    if (!window) {
        fprintf(stderr, "WindowProbe: no window titled \"%s\"\n", title);
        return 1;
    }
    if (strcmp(command, "click") == 0 && argc > 3) {
        HWND button = Child(window, "Button", argv[3], -1);
        /* A disabled button would drop the click: the caller tries again. */
        if (!button || !IsWindowEnabled(button)) return 1;
        PostMessageA(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (strcmp(command, "key") == 0 && argc > 3) {
        WPARAM key = strcmp(argv[3], "escape") == 0 ? VK_ESCAPE : VK_RETURN;
        PostMessageA(window, WM_KEYDOWN, key, 0);
        PostMessageA(window, WM_KEYUP, key, 0);
        return 0;
    }
    if (strcmp(command, "menu") == 0 && argc > 3) {
        UINT id = MenuCommand(GetMenu(window), argv[3]);
        if (!id) return 1;
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return 0;
    }
    if (strcmp(command, "log") == 0 || strcmp(command, "edit") == 0) {
        HWND edit = Child(window, "Edit", NULL, strcmp(command, "log") == 0);
        return edit ? PrintText(edit) : 1;
    }
    if (strcmp(command, "tree") == 0) {
        HWND tree = Child(window, WC_TREEVIEWA, NULL, -1);
        if (!tree) return 1;
        LPARAM first = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        if (!first) return 1;
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, first);
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, first);
        return 0;
    }
    if (strcmp(command, "close") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }
    return 2;
}

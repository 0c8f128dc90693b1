// The program entry: the application, the main window (whose construction runs
// the start-up search), the About dialog, then the message loop. The command
// line is not read.
#include <windows.h>

#include <exception>

#include "localisation/WindowLangResSettings.h"
#include "main_window/ExtractorAboutDlg.h"
#include "main_window/ExtractorMainForm.h"
#include "platform/ProgramPath.h"
#include "ui/win32/Win32Backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::Application app(ui::CreateWin32Backend());
    app.SetTitle(platform::ApplicationTitle());
    try {
        TExtrMainForm mainForm(app);
        app.SetMainForm(&mainForm);
        // Owned by the main window, which finds it by name for Help > About.
        new TExtrAboutDlg(app, &mainForm, localisation::LanguageFileName());
        app.Run();
    } catch (...) {
        app.HandleException(std::current_exception());
    }
    return 0;
}

// The main window: opens a backup index (start-up search, File > Open, or a
// drop), lists the backup's elements with a destination each, and runs the
// restoration through the core's session, showing its log.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive_location/ExtractorArchiveSelectionForm.h"
#include "archive_location/ExtractorAVSelectionForm.h"
#include "localisation/WindowLangResSettings.h"
#include "restoration/OpenIndex.h"
#include "restoration/RestoreMessages.h"
#include "restoration/RestoreSession.h"
#include "ui/Toolkit.h"

class TUnZipper;

const ui::FormDesign& MainFormDesign();

class TExtrMainForm : public ui::TForm {
public:
    // What the window takes from where the program runs: the folder searched
    // for index files at start-up (ending with the separator) and the name of
    // the language file.
    struct Environment {
        std::string programFolder;
        std::string languageFileName;
    };
    // The running program's folder and "<title>.lng".
    static Environment ProgramEnvironment();

    // Builds the window, its state and its dialogs, and runs the start-up
    // search; every box and dialog of that search is shown before the window.
    explicit TExtrMainForm(ui::Application& app, Environment environment = ProgramEnvironment());
    ~TExtrMainForm() override;

    // Opening an index: 0 on success and for a cancelled choice of a version,
    // otherwise the reader's code or one of kOpenIndexMissing..kOpenNoUnzipper.
    // The window changes only on success.
    std::int32_t OpenIndexFile(const std::string& indexPath);
    // The message box of a result code of OpenIndexFile; nothing for a code
    // without one.
    void ShowOpenError(std::int32_t code, const std::string& indexPath);
    // "" for nothing to open, "/" when the user cancelled, else the chosen path.
    std::string ChooseIndexFile(const std::vector<std::string>& candidates, TIndexChoiceMode mode);
    // The version dialog over the versions found: indexFolder + the chosen
    // location, or "/".
    std::string FindArchiveVersion(const std::string& indexFolder, const std::vector<ArchiveVersion>& versions);
    // The shell's folder browser; true with the folder (ending with the
    // separator) when one with a file-system path was chosen.
    bool BrowseForFolder(std::string& folder);

    // Message n of the window's list, translated.
    std::string Message(int number) const;
    localisation::WindowLangRes LangRes() const;

    // The window's state.
    const std::vector<std::string>& ElementNames() const { return elementNames_; }
    const std::vector<std::string>& DestinationFolders() const { return destinationFolders_; }
    const std::string& ArchivePath() const { return archivePath_; }
    bool Restoring() const { return session_ && session_->Restoring(); }
    TUnZipper& Unzipper() const;
    TExtrArchiveSelectionForm* ArchiveSelectionForm() const { return archiveSelectionForm_; }
    TExtrArchiveVariantSelectionForm* ArchiveVariantSelectionForm() const { return archiveVariantSelectionForm_; }

private:
    void BindHandlers();
    void FormCreate();
    void FormDestroy();
    void StartUpSearch();
    void ShowArchive(const ArchiveListing& listing);
    void OpenInUnzipper(const std::string& archivePath);
    void ForgetArchive();
    void ShowLog();
    void ShowBox(const std::string& text, const std::string& caption, unsigned icon, bool owned);

    // Actions and events.
    void SetFolderForAllActnExecute();
    void SetFolderForSelectedItemsActnExecute();
    void RestoreActnExecute();
    void CancelActnExecute();
    void OpenActnExecute();
    void AboutClick();
    void ListViewKeyDown(unsigned& key, ui::TShiftState shift);
    void ListViewDblClick();
    void WMDropFiles(ui::TMessage& message);
    void WMRestoreReport(ui::TMessage& message);

    Environment environment_;
    std::vector<std::string> elementNames_;
    std::vector<std::string> destinationFolders_;
    std::string archivePath_;
    // The worker's reports in the order sent; each posted message takes the
    // report at the head, so the names travel with their own messages.
    RestoreMessageQueue reports_;
    // StopEvent, CancelRequested, Job, WorkerThread and the log's lines.
    std::unique_ptr<RestoreSession> session_;
    TExtrArchiveSelectionForm* archiveSelectionForm_ = nullptr;
    TExtrArchiveVariantSelectionForm* archiveVariantSelectionForm_ = nullptr;
};

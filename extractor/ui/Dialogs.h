// The file-open dialog component. Publishes Title.
#pragma once

#include "ui/Backend.h"
#include "ui/Component.h"

#include <string>

namespace ui {

class TOpenDialog : public Component {
public:
    TOpenDialog(Component* owner, std::string name);

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    // Pairs of description and pattern separated by "|".
    const std::string& Filter() const { return filter_; }
    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(std::string ext) { defaultExt_ = std::move(ext); }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(std::string dir) { initialDir_ = std::move(dir); }
    unsigned Options() const { return options_; }
    void SetOptions(unsigned options) { options_ = options; }
    // The chosen file after a confirmed Execute.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }

    // Shows the dialog, modal to the form that owns this component; true when
    // the user confirmed a file.
    bool Execute();

private:
    std::string title_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string defaultExt_;
    std::string initialDir_;
    unsigned options_ = ofHideReadOnly | ofEnableSizing;
    std::string fileName_;
};

}  // namespace ui

// The dialog in which the user picks one of several backup index files: each
// readable index is a top-level node of a tree, with its archive name, its last
// update and its elements below it.
#pragma once

#include <string>
#include <vector>

#include "localisation/WindowLangResSettings.h"
#include "ui/Toolkit.h"

const ui::FormDesign& ArchiveSelectionFormDesign();

// Where the candidates came from: the start-up search or a drop. It chooses
// the dialog's explanation and the tree's hint.
enum class TIndexChoiceMode { Scan, Drop };

class TExtrArchiveSelectionForm : public ui::TForm {
public:
    // Owned by the main window; its translators read langFileName.
    TExtrArchiveSelectionForm(ui::Application& app, ui::Component* owner, const std::string& langFileName);

    localisation::WindowLangRes LangRes() const;
    ui::TTreeView& TreeView() const { return Get<ui::TTreeView>("TreeView"); }

    // Rebuilds the tree from the candidates that read as indexes (the others
    // are left out silently). True when at least one did: the explanation and
    // the hint then follow the mode. A reader's conversion error passes through.
    bool FillIndexTree(const std::vector<std::string>& candidates, TIndexChoiceMode mode);

    // The dialog's message n, translated.
    std::string Message(int number) const;

private:
    void OKActnUpdate(ui::TAction& action);
    void OKActnExecute(ui::TAction& action);
    bool TreeViewChanging(const ui::TTreeNode* node) const;
    void TreeViewCustomDrawItem(const ui::TTreeNode& node, ui::TTreeNodeStyle& style) const;
    std::string LastUpdateText(double lastUpdate) const;
};

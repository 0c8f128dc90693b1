// A tree view: nodes with text, images and a state index, a selection that a
// handler may veto, and custom drawing that can show a node in bold.
// Publishes Hint, Font and Items (the nodes, not a string list).
#pragma once

#include "ui/Control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TImageList;
class TTreeView;

class TTreeNode {
public:
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    // -1 for none. The program uses it only to mark nodes.
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index);
    bool Expanded() const { return expanded_; }
    void Expand();
    void Collapse();
    std::intptr_t Data() const { return data_; }
    void SetData(std::intptr_t data) { data_ = data; }

    TTreeNode* Parent() const { return parent_; }
    int Level() const;
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode& Item(int index) const { return *children_.at(static_cast<std::size_t>(index)); }
    // Index over all nodes of the tree, each parent before its children.
    int AbsoluteIndex() const;
    bool Selected() const;

    // The backend's handle of the node on screen.
    void* PeerData() const { return peerData_; }
    void SetPeerData(void* data) { peerData_ = data; }

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNode(TTreeView& tree, TTreeNode* parent) : tree_(tree), parent_(parent) {}
    void Changed();
    TTreeView& tree_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    int stateIndex_ = -1;
    bool expanded_ = false;
    std::intptr_t data_ = 0;
    void* peerData_ = nullptr;
};

class TTreeNodes {
public:
    // All nodes of the tree.
    int Count() const;
    // The node at an absolute index, or null.
    TTreeNode* Item(int absoluteIndex) const;
    int TopCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode& Top(int index) const { return *roots_.at(static_cast<std::size_t>(index)); }
    // A new last top-level node.
    TTreeNode& Add(std::string text);
    // A new last child of parent (a top-level node when parent is null).
    TTreeNode& AddChild(TTreeNode* parent, std::string text);
    void Delete(TTreeNode& node);
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

private:
    friend class TTreeView;
    friend class TTreeNode;
    explicit TTreeNodes(TTreeView& tree) : tree_(tree) {}
    TTreeView& tree_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    int updateCount_ = 0;
};

// What custom drawing may change about a node.
struct TTreeNodeStyle {
    bool bold = false;
};

class TTreeView : public TControl {
public:
    TTreeView(Component* owner, std::string name);
    ~TTreeView() override;

    TTreeNodes& Items() { return items_; }
    const TTreeNodes& Items() const { return items_; }

    TTreeNode* Selected() const { return selected_; }
    // Moves the selection unless OnChanging refuses; true when the node is selected afterwards.
    bool SetSelected(TTreeNode* node);
    // Asked before the selection moves to node; false keeps it where it was.
    std::function<bool(TTreeNode* node)> OnChanging;
    std::function<void(TTreeNode* node)> OnChange;
    // Asked while each node is drawn.
    std::function<void(const TTreeNode& node, TTreeNodeStyle& style)> OnCustomDrawItem;
    TTreeNodeStyle StyleOf(const TTreeNode& node) const;

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    // The user moves the selection on screen: asks OnChanging (true: allowed),
    // then is told of the move.
    bool PeerCanChange(TTreeNode* node);
    void PeerSelected(TTreeNode* node);
    void PeerExpanded(TTreeNode& node, bool expanded) { node.expanded_ = expanded; }

    void Notify(Aspect aspect, const void* subject) const { Changed(aspect, subject); }
    void NodeGoing(TTreeNode& node);

protected:
    TSize DefaultClientSize() const override;

private:
    friend class TTreeNodes;
    TTreeNodes items_;
    TTreeNode* selected_ = nullptr;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    int indent_ = 19;
    TImageList* images_ = nullptr;
};

}  // namespace ui

#include "ui/TreeView.h"

#include "ui/ImageList.h"

#include <algorithm>

namespace ui {
namespace {

int CountWithDescendants(const TTreeNode& node) {
    int n = 1;
    for (int i = 0; i < node.Count(); ++i) n += CountWithDescendants(node.Item(i));
    return n;
}

}  // namespace

// --- TTreeNode ---

void TTreeNode::Changed() { tree_.Notify(Aspect::ItemChanged, this); }

void TTreeNode::SetText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    Changed();
}

void TTreeNode::SetImageIndex(int index) {
    if (imageIndex_ == index) return;
    imageIndex_ = index;
    Changed();
}

void TTreeNode::SetSelectedIndex(int index) {
    if (selectedIndex_ == index) return;
    selectedIndex_ = index;
    Changed();
}

void TTreeNode::SetStateIndex(int index) {
    if (stateIndex_ == index) return;
    stateIndex_ = index;
    Changed();
}

void TTreeNode::Expand() {
    if (expanded_ || children_.empty()) return;
    expanded_ = true;
    tree_.Notify(Aspect::Expanded, this);
}

void TTreeNode::Collapse() {
    if (!expanded_) return;
    expanded_ = false;
    tree_.Notify(Aspect::Expanded, this);
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = parent_; p; p = p->parent_) ++level;
    return level;
}

int TTreeNode::AbsoluteIndex() const {
    // Nodes before this one: earlier siblings with their descendants, then the
    // same for each ancestor, plus the ancestors themselves.
    int index = 0;
    const TTreeNode* node = this;
    while (node) {
        const auto& siblings = node->parent_ ? node->parent_->children_ : tree_.Items().roots_;
        for (const auto& sibling : siblings) {
            if (sibling.get() == node) break;
            index += CountWithDescendants(*sibling);
        }
        if (node->parent_) ++index;
        node = node->parent_;
    }
    return index;
}

bool TTreeNode::Selected() const { return tree_.Selected() == this; }

// --- TTreeNodes ---

int TTreeNodes::Count() const {
    int n = 0;
    for (const auto& root : roots_) n += CountWithDescendants(*root);
    return n;
}

TTreeNode* TTreeNodes::Item(int absoluteIndex) const {
    if (absoluteIndex < 0) return nullptr;
    int remaining = absoluteIndex;
    const std::vector<std::unique_ptr<TTreeNode>>* level = &roots_;
    for (;;) {
        bool descended = false;
        for (const auto& node : *level) {
            if (remaining == 0) return node.get();
            const int size = CountWithDescendants(*node);
            if (remaining < size) {
                --remaining;  // skip the node itself, look among its children
                level = &node->children_;
                descended = true;
                break;
            }
            remaining -= size;
        }
        if (!descended) return nullptr;
    }
}

TTreeNode& TTreeNodes::Add(std::string text) { return AddChild(nullptr, std::move(text)); }

TTreeNode& TTreeNodes::AddChild(TTreeNode* parent, std::string text) {
    auto& siblings = parent ? parent->children_ : roots_;
    siblings.push_back(std::unique_ptr<TTreeNode>(new TTreeNode(tree_, parent)));
    TTreeNode& node = *siblings.back();
    node.text_ = std::move(text);
    tree_.Notify(Aspect::ItemAdded, &node);
    return node;
}

void TTreeNodes::Delete(TTreeNode& node) {
    tree_.NodeGoing(node);
    tree_.Notify(Aspect::ItemRemoved, &node);
    auto& siblings = node.parent_ ? node.parent_->children_ : roots_;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&](const auto& n) { return n.get() == &node; }));
}

// The screen lets go of the nodes before they go.
void TTreeNodes::Clear() {
    tree_.selected_ = nullptr;
    tree_.Notify(Aspect::ItemsCleared, nullptr);
    roots_.clear();
}

void TTreeNodes::BeginUpdate() {
    if (updateCount_++ == 0) tree_.Notify(Aspect::BeginUpdate, nullptr);
}

void TTreeNodes::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) tree_.Notify(Aspect::EndUpdate, nullptr);
}

// --- TTreeView ---

TTreeView::TTreeView(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TTreeView", "TCustomTreeView", "TWinControl", "TControl"}), items_(*this) {
    PublishHint();
    PublishFontProperty();
    PublishObject("Items", &items_);
    SetTabStop(true);
}

TTreeView::~TTreeView() {
    DestroyControl();
    if (images_) images_->RemoveLink(this);
}

bool TTreeView::SetSelected(TTreeNode* node) {
    if (node == selected_) return true;
    if (!PeerCanChange(node)) return false;
    selected_ = node;
    Changed(Aspect::Selection, node);
    if (OnChange) OnChange(node);
    return true;
}

bool TTreeView::PeerCanChange(TTreeNode* node) { return !OnChanging || OnChanging(node); }

void TTreeView::PeerSelected(TTreeNode* node) {
    if (node == selected_) return;
    selected_ = node;
    if (OnChange) OnChange(node);
}

void TTreeView::NodeGoing(TTreeNode& node) {
    for (TTreeNode* p = selected_; p; p = p->Parent()) {
        if (p == &node) {
            selected_ = nullptr;
            break;
        }
    }
}

TTreeNodeStyle TTreeView::StyleOf(const TTreeNode& node) const {
    TTreeNodeStyle style;
    if (OnCustomDrawItem) OnCustomDrawItem(node, style);
    return style;
}

void TTreeView::SetReadOnly(bool value) {
    if (readOnly_ == value) return;
    readOnly_ = value;
    Changed(Aspect::Options);
}

void TTreeView::SetHideSelection(bool value) {
    if (hideSelection_ == value) return;
    hideSelection_ = value;
    Changed(Aspect::Options);
}

void TTreeView::SetIndent(int indent) {
    if (indent_ == indent) return;
    indent_ = indent;
    Changed(Aspect::Options);
}

void TTreeView::SetImages(TImageList* images) {
    if (images_ == images) return;
    if (images_) images_->RemoveLink(this);
    images_ = images;
    if (images_) {
        images_->AddLink(this, {[this] { Changed(Aspect::Images); },
                                [this] {
                                    images_ = nullptr;
                                    Changed(Aspect::Images);
                                }});
    }
    Changed(Aspect::Images);
}

TSize TTreeView::DefaultClientSize() const { return {std::max(0, Width() - 4), std::max(0, Height() - 4)}; }

}  // namespace ui

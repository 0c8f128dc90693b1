#include "ui/ListView.h"

#include "ui/ImageList.h"

#include <algorithm>

namespace ui {

// --- Columns ---

void TListColumn::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    view_.Notify(Aspect::Column, this);
}

int TListColumn::Width() const { return autoSize_ ? view_.AutoColumnWidth(*this) : width_; }

void TListColumn::SetWidth(int width) {
    if (!autoSize_ && width_ == width) return;
    autoSize_ = false;
    width_ = width;
    view_.Notify(Aspect::Column, this);
}

void TListColumn::SetAutoSize(bool autoSize) {
    if (autoSize_ == autoSize) return;
    autoSize_ = autoSize;
    view_.Notify(Aspect::Column, this);
}

TListColumn& TListColumns::Add(std::string caption, int width) {
    columns_.push_back(std::unique_ptr<TListColumn>(new TListColumn(view_, Count())));
    TListColumn& column = *columns_.back();
    column.caption_ = std::move(caption);
    column.width_ = width;
    view_.Notify(Aspect::Columns, nullptr);
    return column;
}

void TListColumns::Clear() {
    columns_.clear();
    view_.Notify(Aspect::Columns, nullptr);
}

int TListView::AutoColumnWidth(const TListColumn& column) const {
    int others = 0;
    for (int i = 0; i < columns_.Count(); ++i) {
        const TListColumn& c = columns_[i];
        if (&c != &column && !c.AutoSize()) others += c.Width();
    }
    return std::max(0, ClientSize().Width - others);
}

// --- Items ---

void TListItem::Changed() { view_.Notify(Aspect::ItemChanged, this); }

void TListItem::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Changed();
}

void TListItem::SetImageIndex(int index) {
    if (imageIndex_ == index) return;
    imageIndex_ = index;
    Changed();
}

const std::string& TListItem::SubItem(int index) const {
    static const std::string kNone;
    return index >= 0 && index < SubItemCount() ? subItems_[static_cast<std::size_t>(index)] : kNone;
}

void TListItem::SetSubItem(int index, std::string text) {
    if (index < 0) return;
    if (index >= SubItemCount()) subItems_.resize(static_cast<std::size_t>(index) + 1);
    subItems_[static_cast<std::size_t>(index)] = std::move(text);
    Changed();
}

void TListItem::SetSelected(bool selected) {
    if (selected_ == selected) return;
    if (selected && !view_.MultiSelect()) view_.ClearSelection();
    selected_ = selected;
    view_.Notify(Aspect::Selection, this);
}

TListItem& TListItems::Add() {
    items_.push_back(std::unique_ptr<TListItem>(new TListItem(view_, Count())));
    TListItem& item = *items_.back();
    view_.Notify(Aspect::ItemAdded, &item);
    return item;
}

void TListItems::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    view_.Notify(Aspect::ItemRemoved, items_[static_cast<std::size_t>(index)].get());
    items_.erase(items_.begin() + index);
    for (int i = index; i < Count(); ++i) items_[static_cast<std::size_t>(i)]->index_ = i;
}

void TListItems::Clear() {
    view_.Notify(Aspect::ItemsCleared, nullptr);
    items_.clear();
}

void TListItems::BeginUpdate() {
    if (updateCount_++ == 0) view_.Notify(Aspect::BeginUpdate, nullptr);
}

void TListItems::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) view_.Notify(Aspect::EndUpdate, nullptr);
}

// --- TListView ---

TListView::TListView(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TListView", "TCustomListView", "TCustomMultiSelectListControl",
                                        "TCustomListControl", "TWinControl", "TControl"}),
      columns_(*this),
      items_(*this) {
    PublishHint();
    PublishFontProperty();
    PublishObject("Items", &items_);
    SetTabStop(true);
}

TListView::~TListView() {
    DestroyControl();
    if (smallImages_) smallImages_->RemoveLink(this);
}

void TListView::SetMultiSelect(bool value) {
    if (multiSelect_ == value) return;
    multiSelect_ = value;
    Changed(Aspect::Options);
}

void TListView::SetRowSelect(bool value) {
    if (rowSelect_ == value) return;
    rowSelect_ = value;
    Changed(Aspect::Options);
}

void TListView::SetReadOnly(bool value) {
    if (readOnly_ == value) return;
    readOnly_ = value;
    Changed(Aspect::Options);
}

void TListView::SetHideSelection(bool value) {
    if (hideSelection_ == value) return;
    hideSelection_ = value;
    Changed(Aspect::Options);
}

void TListView::SetSmallImages(TImageList* images) {
    if (smallImages_ == images) return;
    if (smallImages_) smallImages_->RemoveLink(this);
    smallImages_ = images;
    if (smallImages_) {
        smallImages_->AddLink(this, {[this] { Changed(Aspect::Images); },
                                     [this] {
                                         smallImages_ = nullptr;
                                         Changed(Aspect::Images);
                                     }});
    }
    Changed(Aspect::Images);
}

int TListView::SelCount() const {
    int n = 0;
    for (int i = 0; i < items_.Count(); ++i) n += items_[i].Selected() ? 1 : 0;
    return n;
}

TListItem* TListView::Selected() const {
    for (int i = 0; i < items_.Count(); ++i) {
        if (items_[i].Selected()) return &items_[i];
    }
    return nullptr;
}

void TListView::SelectAll() {
    if (!multiSelect_) return;
    for (int i = 0; i < items_.Count(); ++i) items_[i].SetSelected(true);
}

void TListView::ClearSelection() {
    for (int i = 0; i < items_.Count(); ++i) {
        TListItem& item = items_[i];
        if (item.selected_) {
            item.selected_ = false;
            Changed(Aspect::Selection, &item);
        }
    }
}

void TListView::PeerSelected(int index, bool selected) {
    if (index >= 0 && index < items_.Count()) items_[index].selected_ = selected;
}

TSize TListView::DefaultClientSize() const { return {std::max(0, Width() - 4), std::max(0, Height() - 4)}; }

}  // namespace ui

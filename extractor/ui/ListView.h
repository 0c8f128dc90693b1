// A list view in report style: columns, rows with a caption, sub-items and a
// small image, single or multiple selection, batch updates.
// Publishes Hint, Font and Items (the rows, not a string list).
#pragma once

#include "ui/Control.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TImageList;
class TListView;

class TListColumn {
public:
    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // An auto-sized column takes the width the other columns leave; giving it
    // a width ends that.
    int Width() const;
    void SetWidth(int width);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

private:
    friend class TListColumns;
    TListColumn(TListView& view, int index) : view_(view), index_(index) {}
    TListView& view_;
    int index_;
    std::string caption_;
    int width_ = 50;
    bool autoSize_ = false;
};

class TListColumns {
public:
    int Count() const { return static_cast<int>(columns_.size()); }
    TListColumn& operator[](int index) const { return *columns_.at(static_cast<std::size_t>(index)); }
    TListColumn& Add(std::string caption = {}, int width = 50);
    void Clear();

private:
    friend class TListView;
    explicit TListColumns(TListView& view) : view_(view) {}
    TListView& view_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

class TListItem {
public:
    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SubItemCount() const { return static_cast<int>(subItems_.size()); }
    // "" for a sub-item that does not exist.
    const std::string& SubItem(int index) const;
    // Sets sub-item index, adding empty ones before it as needed.
    void SetSubItem(int index, std::string text);
    void AddSubItem(std::string text) { SetSubItem(SubItemCount(), std::move(text)); }
    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    std::intptr_t Data() const { return data_; }
    void SetData(std::intptr_t data) { data_ = data; }

private:
    friend class TListItems;
    friend class TListView;
    TListItem(TListView& view, int index) : view_(view), index_(index) {}
    void Changed();
    TListView& view_;
    int index_;
    std::string caption_;
    std::vector<std::string> subItems_;
    int imageIndex_ = -1;
    bool selected_ = false;
    std::intptr_t data_ = 0;
};

class TListItems {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    TListItem& Add();
    void Delete(int index);
    void Clear();
    // Changes between BeginUpdate and the matching EndUpdate are drawn once.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

private:
    friend class TListView;
    explicit TListItems(TListView& view) : view_(view) {}
    TListView& view_;
    std::vector<std::unique_ptr<TListItem>> items_;
    int updateCount_ = 0;
};

class TListView : public TControl {
public:
    TListView(Component* owner, std::string name);
    ~TListView() override;

    TListColumns& Columns() { return columns_; }
    const TListColumns& Columns() const { return columns_; }
    TListItems& Items() { return items_; }
    const TListItems& Items() const { return items_; }

    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // False keeps the selection visible while the list has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* images);

    int SelCount() const;
    // The first selected row, or null.
    TListItem* Selected() const;
    void SelectAll();
    void ClearSelection();

    // The user changed a row's selection on screen.
    void PeerSelected(int index, bool selected);

    // Used by the columns, rows and peers.
    void Notify(Aspect aspect, const void* subject) const { Changed(aspect, subject); }
    int AutoColumnWidth(const TListColumn& column) const;

protected:
    TSize DefaultClientSize() const override;

private:
    TListColumns columns_;
    TListItems items_;
    bool multiSelect_ = false;
    bool rowSelect_ = false;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    TImageList* smallImages_ = nullptr;
};

}  // namespace ui

#include "ui/win32/ListViewWindow.h"

#include "ui/ImageList.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {
namespace {

class ListViewWindow : public ControlWindow {
public:
    explicit ListViewWindow(TListView& list) : ControlWindow(list), list_(list) {
        Create(WC_LISTVIEWA, Style(), WS_EX_CLIENTEDGE);
        if (!hwnd_) return;
        updating_ = true;
        ApplyExtendedStyle();
        ApplyImages();
        InsertColumns();
        for (int i = 0; i < list_.Items().Count(); ++i) InsertItem(list_.Items()[i]);
        updating_ = false;
    }

private:
    DWORD Style() const {
        DWORD style = LVS_REPORT | LVS_SHAREIMAGELISTS;
        if (!list_.MultiSelect()) style |= LVS_SINGLESEL;
        if (!list_.HideSelection()) style |= LVS_SHOWSELALWAYS;
        if (!list_.ReadOnly()) style |= LVS_EDITLABELS;
        return style;
    }

    void ApplyExtendedStyle() {
        SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                     list_.RowSelect() ? LVS_EX_FULLROWSELECT : 0);
    }

    void ApplyImages() {
        TImageList* images = list_.SmallImages();
        SendMessageA(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL, static_cast<LPARAM>(images ? images->Handle() : 0));
    }

    void InsertColumns() {
        while (SendMessageA(hwnd_, LVM_DELETECOLUMN, 0, 0)) {
        }
        for (int i = 0; i < list_.Columns().Count(); ++i) {
            const TListColumn& column = list_.Columns()[i];
            LVCOLUMNA info{};
            info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            info.pszText = const_cast<char*>(column.Caption().c_str());
            info.cx = column.Width();
            info.iSubItem = i;
            SendMessageA(hwnd_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
        }
    }

    // Auto-sized columns depend on the others and on the client width, which
    // a scroll bar coming or going changes while the widths are set.
    void ApplyWidths() {
        if (applyingWidths_) return;
        applyingWidths_ = true;
        for (int i = 0; i < list_.Columns().Count(); ++i) {
            SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i), MAKELPARAM(list_.Columns()[i].Width(), 0));
        }
        applyingWidths_ = false;
    }

    void ApplyColumn(const TListColumn& column) {
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT;
        info.pszText = const_cast<char*>(column.Caption().c_str());
        SendMessageA(hwnd_, LVM_SETCOLUMNA, static_cast<WPARAM>(column.Index()), reinterpret_cast<LPARAM>(&info));
        ApplyWidths();
    }

    void InsertItem(const TListItem& item) {
        LVITEMA info{};
        info.mask = LVIF_TEXT | LVIF_IMAGE;
        info.iItem = item.Index();
        info.pszText = const_cast<char*>(item.Caption().c_str());
        info.iImage = item.ImageIndex();
        SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&info));
        ApplySubItems(item);
        if (item.Selected()) ApplySelection(item);
    }

    void ApplyItem(const TListItem& item) {
        LVITEMA info{};
        info.mask = LVIF_TEXT | LVIF_IMAGE;
        info.iItem = item.Index();
        info.pszText = const_cast<char*>(item.Caption().c_str());
        info.iImage = item.ImageIndex();
        SendMessageA(hwnd_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        ApplySubItems(item);
    }

    void ApplySubItems(const TListItem& item) {
        for (int j = 0; j < item.SubItemCount(); ++j) {
            LVITEMA info{};
            info.iSubItem = j + 1;
            info.pszText = const_cast<char*>(item.SubItem(j).c_str());
            SendMessageA(hwnd_, LVM_SETITEMTEXTA, static_cast<WPARAM>(item.Index()), reinterpret_cast<LPARAM>(&info));
        }
    }

    void ApplySelection(const TListItem& item) {
        LVITEMA info{};
        info.stateMask = LVIS_SELECTED;
        info.state = item.Selected() ? LVIS_SELECTED : 0;
        SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(item.Index()), reinterpret_cast<LPARAM>(&info));
    }

    void UpdateOwn(Aspect aspect, const void* subject) override {
        const auto* item = static_cast<const TListItem*>(subject);
        switch (aspect) {
            case Aspect::Columns:
                InsertColumns();
                break;
            case Aspect::Column:
                ApplyColumn(*static_cast<const TListColumn*>(subject));
                break;
            case Aspect::Bounds:
                ApplyWidths();
                break;
            case Aspect::ItemAdded:
                InsertItem(*item);
                break;
            case Aspect::ItemChanged:
                ApplyItem(*item);
                break;
            case Aspect::ItemRemoved:
                SendMessageA(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(item->Index()), 0);
                break;
            case Aspect::ItemsCleared:
                SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0);
                break;
            case Aspect::Selection:
                ApplySelection(*item);
                break;
            case Aspect::BeginUpdate:
                SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
                break;
            case Aspect::EndUpdate:
                SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
                InvalidateRect(hwnd_, nullptr, TRUE);
                break;
            case Aspect::Images:
                ApplyImages();
                break;
            case Aspect::Options: {
                const LONG_PTR mask = LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
                const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~mask;
                SetWindowLongPtrA(hwnd_, GWL_STYLE, style | (static_cast<LONG_PTR>(Style()) & mask));
                ApplyExtendedStyle();
                break;
            }
            default:
                break;
        }
    }

    bool OnNotify(NMHDR& header, LRESULT& result) override {
        switch (header.code) {
            case LVN_ITEMCHANGED: {
                const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
                if (updating_ || !(change.uChanged & LVIF_STATE)) return true;
                if (((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0) return true;
                const bool selected = change.uNewState & LVIS_SELECTED;
                if (change.iItem < 0) {
                    for (int i = 0; i < list_.Items().Count(); ++i) list_.PeerSelected(i, selected);
                } else {
                    list_.PeerSelected(change.iItem, selected);
                }
                return true;
            }
            case NM_DBLCLK:
                Input([&] { list_.DblClick(); });
                return true;
            case LVN_BEGINLABELEDITA:
            case LVN_BEGINLABELEDITW:
                result = list_.ReadOnly() ? TRUE : FALSE;
                return true;
            default:
                return false;
        }
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = ControlWindow::WindowProc(message, wParam, lParam);
        if (message == WM_SIZE) ApplyWidths();
        return result;
    }

    TListView& list_;
    bool applyingWidths_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> CreateListViewWindow(TListView& list) { return std::make_unique<ListViewWindow>(list); }

}  // namespace ui::win32

#include "ui/win32/TreeViewWindow.h"

#include "ui/ImageList.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {
namespace {

HTREEITEM HandleOf(const TTreeNode* node) { return node ? static_cast<HTREEITEM>(node->PeerData()) : nullptr; }

class TreeViewWindow : public ControlWindow {
public:
    explicit TreeViewWindow(TTreeView& tree) : ControlWindow(tree), tree_(tree) {
        Create(WC_TREEVIEWA, Style(), WS_EX_CLIENTEDGE);
        if (!hwnd_) return;
        updating_ = true;
        SendMessageA(hwnd_, TVM_SETINDENT, static_cast<WPARAM>(tree_.Indent()), 0);
        ApplyImages();
        for (int i = 0; i < tree_.Items().TopCount(); ++i) InsertWithChildren(tree_.Items().Top(i));
        ApplySelection();
        updating_ = false;
    }

private:
    DWORD Style() const {
        DWORD style = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
        if (!tree_.HideSelection()) style |= TVS_SHOWSELALWAYS;
        if (!tree_.ReadOnly()) style |= TVS_EDITLABELS;
        return style;
    }

    void ApplyImages() {
        TImageList* images = tree_.Images();
        SendMessageA(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL, static_cast<LPARAM>(images ? images->Handle() : 0));
    }

    void Insert(TTreeNode& node) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = node.Parent() ? HandleOf(node.Parent()) : TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(node.Text().c_str());
        insert.item.iImage = node.ImageIndex();
        insert.item.iSelectedImage = node.SelectedIndex();
        insert.item.lParam = reinterpret_cast<LPARAM>(&node);
        auto item = reinterpret_cast<HTREEITEM>(SendMessageA(hwnd_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        node.SetPeerData(item);
    }

    void InsertWithChildren(TTreeNode& node) {
        Insert(node);
        for (int i = 0; i < node.Count(); ++i) InsertWithChildren(node.Item(i));
        if (node.Expanded()) SendMessageA(hwnd_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(HandleOf(&node)));
    }

    void ApplyNode(const TTreeNode& node) {
        TVITEMA item{};
        item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        item.hItem = HandleOf(&node);
        item.pszText = const_cast<char*>(node.Text().c_str());
        item.iImage = node.ImageIndex();
        item.iSelectedImage = node.SelectedIndex();
        SendMessageA(hwnd_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }

    void ApplySelection() {
        SendMessageA(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(HandleOf(tree_.Selected())));
    }

    void UpdateOwn(Aspect aspect, const void* subject) override {
        auto* node = const_cast<TTreeNode*>(static_cast<const TTreeNode*>(subject));
        switch (aspect) {
            case Aspect::ItemAdded:
                Insert(*node);
                break;
            case Aspect::ItemChanged:
                ApplyNode(*node);
                break;
            case Aspect::ItemRemoved:
                SendMessageA(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(HandleOf(node)));
                break;
            case Aspect::ItemsCleared:
                SendMessageA(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
                break;
            case Aspect::Selection:
                ApplySelection();
                break;
            case Aspect::Expanded:
                SendMessageA(hwnd_, TVM_EXPAND, node->Expanded() ? TVE_EXPAND : TVE_COLLAPSE,
                             reinterpret_cast<LPARAM>(HandleOf(node)));
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
                SendMessageA(hwnd_, TVM_SETINDENT, static_cast<WPARAM>(tree_.Indent()), 0);
                const LONG_PTR mask = TVS_SHOWSELALWAYS | TVS_EDITLABELS;
                const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~mask;
                SetWindowLongPtrA(hwnd_, GWL_STYLE, style | (static_cast<LONG_PTR>(Style()) & mask));
                break;
            }
            case Aspect::Font:
                boldFont_.Reset(nullptr);
                break;
            default:
                break;
        }
    }

    static TTreeNode* NodeOf(const TVITEMA& item) { return reinterpret_cast<TTreeNode*>(item.lParam); }

    LRESULT CustomDraw(NMTVCUSTOMDRAW& draw) {
        switch (draw.nmcd.dwDrawStage) {
            case CDDS_PREPAINT:
                return CDRF_NOTIFYITEMDRAW;
            case CDDS_ITEMPREPAINT: {
                const auto* node = reinterpret_cast<const TTreeNode*>(draw.nmcd.lItemlParam);
                if (!node) return CDRF_DODEFAULT;
                TTreeNodeStyle style;
                Input([&] { style = tree_.StyleOf(*node); });
                if (!style.bold) return CDRF_DODEFAULT;
                if (!boldFont_.Get()) boldFont_.Reset(CreateFontFor(tree_.Font(), true));
                SelectObject(draw.nmcd.hdc, boldFont_.Get());
                return CDRF_NEWFONT;
            }
            default:
                return CDRF_DODEFAULT;
        }
    }

    // The A and W notifications differ only in their texts, which are not read here.
    bool OnNotify(NMHDR& header, LRESULT& result) override {
        auto& change = reinterpret_cast<NMTREEVIEWA&>(header);
        switch (header.code) {
            case TVN_SELCHANGINGA:
            case TVN_SELCHANGINGW: {
                if (updating_) return true;
                bool allowed = false;
                Input([&] { allowed = tree_.PeerCanChange(NodeOf(change.itemNew)); });
                result = allowed ? FALSE : TRUE;
                return true;
            }
            case TVN_SELCHANGEDA:
            case TVN_SELCHANGEDW:
                if (!updating_) Input([&] { tree_.PeerSelected(NodeOf(change.itemNew)); });
                return true;
            case TVN_ITEMEXPANDEDA:
            case TVN_ITEMEXPANDEDW:
                if (TTreeNode* node = NodeOf(change.itemNew)) tree_.PeerExpanded(*node, change.action & TVE_EXPAND);
                return true;
            case TVN_BEGINLABELEDITA:
            case TVN_BEGINLABELEDITW:
                result = tree_.ReadOnly() ? TRUE : FALSE;
                return true;
            case NM_CUSTOMDRAW:
                result = CustomDraw(reinterpret_cast<NMTVCUSTOMDRAW&>(header));
                return true;
            case NM_DBLCLK:
                Input([&] { tree_.DblClick(); });
                return true;
            default:
                return false;
        }
    }

    TTreeView& tree_;
    FontHandle boldFont_;
};

}  // namespace

std::unique_ptr<ControlPeer> CreateTreeViewWindow(TTreeView& tree) { return std::make_unique<TreeViewWindow>(tree); }

}  // namespace ui::win32

// List view rows, columns and selection; tree view nodes, absolute order,
// selection veto and bold drawing.
#include "HeadlessApp.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace {

using uitest::TTestWindow;

TEST(ListView, RowsHoldCaptionsSubItemsAndImages) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TListItems& items = window.List().Items();
    items.BeginUpdate();
    for (const char* name : {"Docs\\", "a.txt", "b.txt"}) {
        ui::TListItem& item = items.Add();
        item.SetCaption(name);
        item.SetImageIndex(name[0] == 'D' ? 1 : 2);
        item.AddSubItem("C:\\Users\\me\\Documents\\");
    }
    EXPECT_EQ(items.UpdateCount(), 1);
    items.EndUpdate();
    items.EndUpdate();  // unmatched: ignored
    EXPECT_EQ(items.UpdateCount(), 0);

    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items[1].Caption(), "a.txt");
    EXPECT_EQ(items[0].ImageIndex(), 1);
    EXPECT_EQ(items[2].SubItem(0), "C:\\Users\\me\\Documents\\");
    EXPECT_EQ(items[2].SubItem(5), "");

    items[0].SetSubItem(2, "third");  // missing sub-items in between come empty
    EXPECT_EQ(items[0].SubItemCount(), 3);
    EXPECT_EQ(items[0].SubItem(1), "");

    items.Delete(0);
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items[0].Caption(), "a.txt");
    EXPECT_EQ(items[0].Index(), 0);
    EXPECT_EQ(items[1].Index(), 1);
    items.Delete(7);  // out of range: nothing
    EXPECT_EQ(items.Count(), 2);
}

TEST(ListView, SelectionFollowsTheSelectModel) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TListView& list = window.List();
    for (int i = 0; i < 4; ++i) list.Items().Add();
    list.Items()[1].SetSelected(true);
    list.Items()[3].SetSelected(true);
    EXPECT_EQ(list.SelCount(), 2);
    EXPECT_EQ(list.Selected(), &list.Items()[1]);

    list.SetMultiSelect(false);
    list.Items()[2].SetSelected(true);
    EXPECT_EQ(list.SelCount(), 1);
    EXPECT_EQ(list.Selected(), &list.Items()[2]);
    list.SelectAll();  // single selection: no select-all
    EXPECT_EQ(list.SelCount(), 1);

    list.ClearSelection();
    EXPECT_EQ(list.Selected(), nullptr);
    list.Items().Clear();
    EXPECT_EQ(list.SelCount(), 0);
}

TEST(ListView, AnAutoSizedColumnTakesTheRemainingWidth) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TListView& list = window.List();
    const int client = list.ClientSize().Width;
    EXPECT_EQ(list.Columns()[1].Width(), client - 240);

    window.SetBounds({0, 0, 522 + 60, 447});  // the list is anchored on both sides
    EXPECT_EQ(list.Columns()[1].Width(), client + 60 - 240);

    list.Columns()[0].SetWidth(client / 2);
    list.Columns()[1].SetWidth(client / 2);  // an explicit width ends auto-sizing
    EXPECT_FALSE(list.Columns()[1].AutoSize());
    EXPECT_EQ(list.Columns()[1].Width(), client / 2);

    list.Columns()[0].SetCaption("Element");
    EXPECT_EQ(list.Columns()[0].Caption(), "Element");
}

// Three indexes with children, as the index selection dialog fills them.
void FillTree(ui::TTreeView& tree) {
    for (const char* path : {"C:\\a.lxi", "C:\\x\\b.lxi", "C:\\y\\c.lxi"}) {
        ui::TTreeNode& top = tree.Items().Add(path);
        ui::TTreeNode& name = tree.Items().AddChild(&top, "  Archive name: docs");
        name.SetStateIndex(1);
        ui::TTreeNode& update = tree.Items().AddChild(&top, "  Last update: Unknown");
        update.SetStateIndex(1);
        tree.Items().AddChild(&top, "Docs\\").SetImageIndex(1);
    }
}

TEST(TreeView, NodesAreCountedAndIndexedParentsFirst) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TTreeView& tree = window.Tree();
    FillTree(tree);
    tree.Items().AddChild(&tree.Items().Top(0).Item(2), "Docs\\Sub\\");  // a grandchild

    ASSERT_EQ(tree.Items().Count(), 13);
    const char* expected[] = {"C:\\a.lxi", "  Archive name: docs", "  Last update: Unknown", "Docs\\", "Docs\\Sub\\",
                              "C:\\x\\b.lxi"};
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(tree.Items().Item(i), nullptr);
        EXPECT_EQ(tree.Items().Item(i)->Text(), expected[i]) << i;
        EXPECT_EQ(tree.Items().Item(i)->AbsoluteIndex(), i);
    }
    EXPECT_EQ(tree.Items().Item(12)->Text(), "Docs\\");
    EXPECT_EQ(tree.Items().Item(12)->AbsoluteIndex(), 12);
    EXPECT_EQ(tree.Items().Item(13), nullptr);
    EXPECT_EQ(tree.Items().Item(-1), nullptr);
    EXPECT_EQ(tree.Items().Item(4)->Level(), 2);
    EXPECT_FALSE(tree.Items().Top(0).Expanded());
}

TEST(TreeView, OnChangingMayVetoTheSelection) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TTreeView& tree = window.Tree();
    FillTree(tree);
    tree.OnChanging = [](ui::TTreeNode* node) { return node && node->Parent() == nullptr; };
    int changes = 0;
    tree.OnChange = [&](ui::TTreeNode*) { ++changes; };

    ui::TTreeNode& second = tree.Items().Top(1);
    EXPECT_TRUE(tree.SetSelected(&second));
    EXPECT_FALSE(tree.SetSelected(&second.Item(0)));  // a child node: refused
    EXPECT_EQ(tree.Selected(), &second);
    EXPECT_TRUE(second.Selected());
    EXPECT_EQ(changes, 1);

    // The peer's route: asked, then told.
    EXPECT_FALSE(tree.PeerCanChange(&second.Item(1)));
    EXPECT_TRUE(tree.PeerCanChange(&tree.Items().Top(2)));
    tree.PeerSelected(&tree.Items().Top(2));
    EXPECT_EQ(tree.Selected(), &tree.Items().Top(2));

    tree.Items().Delete(tree.Items().Top(2));
    EXPECT_EQ(tree.Selected(), nullptr);
    EXPECT_EQ(tree.Items().TopCount(), 2);
    tree.Items().Clear();
    EXPECT_EQ(tree.Items().Count(), 0);
}

TEST(TreeView, MarkedNodesAreDrawnBold) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TTreeView& tree = window.Tree();
    FillTree(tree);
    EXPECT_FALSE(tree.StyleOf(tree.Items().Top(0).Item(0)).bold);  // no handler: the normal font
    tree.OnCustomDrawItem = [](const ui::TTreeNode& node, ui::TTreeNodeStyle& style) {
        style.bold = node.StateIndex() == 1;
    };
    EXPECT_TRUE(tree.StyleOf(tree.Items().Top(0).Item(0)).bold);
    EXPECT_TRUE(tree.StyleOf(tree.Items().Top(0).Item(1)).bold);
    EXPECT_FALSE(tree.StyleOf(tree.Items().Top(0).Item(2)).bold);
    EXPECT_FALSE(tree.StyleOf(tree.Items().Top(0)).bold);
}

TEST(Memo, LinesAndTextAgree) {
    uitest::HeadlessApp h;
    TTestWindow window(h.app);
    ui::TMemo& log = window.Log();
    log.Lines().Clear();
    log.Lines().Add("Extracting a.txt");
    log.Lines().Set(0, "Extracting a.txt -- FAILED!");
    log.Lines().Add("Operation completed. There were errors.");
    EXPECT_EQ(log.Text(), "Extracting a.txt -- FAILED!\r\nOperation completed. There were errors.");

    log.PeerTextChanged("one\r\ntwo\r\n");
    EXPECT_EQ(log.Lines().Lines(), (std::vector<std::string>{"one", "two"}));
    log.PeerTextChanged("");
    EXPECT_EQ(log.Lines().Count(), 0);
}

}  // namespace

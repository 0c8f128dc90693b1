// Texts that some controls keep in numbered elements rather than in named
// properties, as the translators see them; indexes are zero-based. A control
// may implement the interface of its kind itself; the toolkit's own kinds are
// reached through adapters.
#pragma once

#include <string>

namespace ui {
class Component;
}

namespace localisation {

// List view: column captions, item captions and each item's sub-items.
class ListViewTexts {
public:
    virtual int ColumnCount() const = 0;
    virtual std::string ColumnCaption(int column) const = 0;
    virtual void SetColumnCaption(int column, const std::string& text) = 0;
    virtual int ItemCount() const = 0;
    virtual std::string ItemCaption(int item) const = 0;
    virtual void SetItemCaption(int item, const std::string& text) = 0;
    virtual int SubItemCount(int item) const = 0;
    virtual std::string SubItem(int item, int subItem) const = 0;
    virtual void SetSubItem(int item, int subItem, const std::string& text) = 0;

protected:
    ~ListViewTexts() = default;
};

// Tree view: node texts by absolute index over all nodes, each parent before its children.
class TreeViewTexts {
public:
    virtual int NodeCount() const = 0;
    virtual std::string NodeText(int node) const = 0;
    virtual void SetNodeText(int node, const std::string& text) = 0;

protected:
    ~TreeViewTexts() = default;
};

// Header control: section texts.
class HeaderControlTexts {
public:
    virtual int SectionCount() const = 0;
    virtual std::string SectionText(int section) const = 0;
    virtual void SetSectionText(int section, const std::string& text) = 0;

protected:
    ~HeaderControlTexts() = default;
};

// Data grid: the title captions of its columns.
class DBGridTexts {
public:
    virtual int ColumnCount() const = 0;
    virtual std::string ColumnTitleCaption(int column) const = 0;
    virtual void SetColumnTitleCaption(int column, const std::string& text) = 0;

protected:
    ~DBGridTexts() = default;
};

// A main menu's top-level items, or a menu item's children: menu item
// components whose text is their published "Caption".
class MenuItemList {
public:
    virtual int MenuItemCount() const = 0;
    virtual ui::Component* MenuItemAt(int index) const = 0;

protected:
    ~MenuItemList() = default;
};

}  // namespace localisation

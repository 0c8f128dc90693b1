// Kinds the program's windows do not use but whose class relations the
// localisation walk tests for: header control, data grid, timer, and the two
// owners besides forms, data modules and frames. They keep their state in
// memory only; no backend shows them.
#pragma once

#include "ui/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

// Publishes Hint, Font and Sections (the sections, not a string list).
class THeaderControl : public TControl {
public:
    struct Section {
        std::string text;
        int width = 50;
    };
    THeaderControl(Component* owner, std::string name);
    std::vector<Section>& Sections() { return sections_; }
    const std::vector<Section>& Sections() const { return sections_; }

private:
    std::vector<Section> sections_;
};

// Publishes Hint, Font and Columns (the columns, not a string list).
class TDBGrid : public TControl {
public:
    struct Column {
        std::string titleCaption;
        int width = 64;
    };
    TDBGrid(Component* owner, std::string name);
    std::vector<Column>& Columns() { return columns_; }
    const std::vector<Column>& Columns() const { return columns_; }

private:
    std::vector<Column> columns_;
};

// Publishes nothing.
class TTimer : public Component {
public:
    TTimer(Component* owner, std::string name);
    int Interval = 1000;
    bool Enabled = true;
    std::function<void()> OnTimer;
};

// A non-visual owner of components. Publishes nothing.
class TDataModule : public Component {
public:
    TDataModule(Component* owner, std::string name, std::string className = "TDataModule");
};

// A reusable group of controls placed on a form; it owns its components.
// Publishes Hint and Font.
class TFrame : public TControl {
public:
    TFrame(Component* owner, std::string name, std::string className = "TFrame");
    ~TFrame() override;
};

}  // namespace ui

// Declarative window designs. A design lists a form's components in creation
// order, each with its kind, name, parent, texts, bounds, options and bindings,
// so that a window reads like a form file:
//
//   const ui::FormDesign kDesign{
//       .caption = "Select archive", .clientSize = {390, 220}, .position = ui::TPosition::poOwnerFormCenter,
//       .components = {
//           {.kind = ui::Kind::Button, .name = "OkBtn", .bounds = {8, 190, 75, 25}, .options = ui::opt::Default,
//            .action = "OKActn"},
//           {.kind = ui::Kind::ActionList, .name = "ActionList"},
//           {.kind = ui::Kind::Action, .name = "OKActn", .parent = "ActionList", .caption = "OK"},
//       }};
//
// Fields follow the order of declaration (designated initializers).
#pragma once

#include "ui/Form.h"
#include "ui/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class Kind {
    GroupBox,
    RadioButton,
    CheckBox,
    Button,
    Label,
    Edit,
    Memo,
    ListView,
    TreeView,
    Image,
    MainMenu,
    MenuItem,     // parent: the main menu or another menu item
    ActionList,
    Action,       // parent: its action list
    ImageList,
    OpenDialog,
    HeaderControl,
    DBGrid,
    Splitter,
    Timer,
    Frame,
    Custom,       // made by ComponentDesign::create
};

// Options; each applies to the kinds that have the property.
namespace opt {
enum : unsigned {
    Checked = 1u << 0,        // radio button, check box, menu item, action
    ReadOnly = 1u << 1,       // edit, memo, list view, tree view
    MultiSelect = 1u << 2,    // list view
    RowSelect = 1u << 3,      // list view
    KeepSelection = 1u << 4,  // list and tree view: the selection stays visible without focus
    WordWrap = 1u << 5,       // label, memo
    Default = 1u << 6,        // button: Enter presses it
    Cancel = 1u << 7,         // button: Escape presses it
    Disabled = 1u << 8,
    Hidden = 1u << 9,
    VertScroll = 1u << 10,    // memo
    HorzScroll = 1u << 11,    // memo
    AlignCenter = 1u << 12,   // label
    AlignRight = 1u << 13,    // label
    ShowHint = 1u << 14,
    HandCursor = 1u << 15,
    ShareImages = 1u << 16,   // image list
};
}  // namespace opt

struct ColumnDesign {
    std::string caption{};
    int width = 50;
    bool autoSize = false;
};

struct FontDesign {
    const char* name = "MS Sans Serif";
    int size = 8;
    int charset = 1;
    unsigned style = 0;
    int color = TFont::kDefaultColor;
};

struct ComponentDesign {
    Kind kind = Kind::Custom;
    std::string name{};
    std::string parent{};  // "" for the form itself
    std::string caption{};
    std::string text{};  // edit
    std::string title{};  // open dialog
    std::string hint{};
    TRect bounds{};
    TAnchors anchors = akLeft | akTop;
    unsigned options = 0;
    std::string action{};  // name of the action the control or menu item shows
    std::string images{};  // name of the image list of a list or tree view
    std::string shortcut{};  // "Ctrl+R"; action or menu item
    int modalResult = mrNone;  // button
    std::vector<std::string> lines{};  // memo
    std::vector<ColumnDesign> columns{};  // list view
    std::optional<FontDesign> font{};     // a font of its own instead of the parent's
    std::string filter{};      // open dialog
    std::string defaultExt{};  // open dialog
    unsigned openOptions = 0;  // open dialog: TOpenOption bits
    std::string picture{};  // image: icon resource name
    int indent = 0;  // tree view; 0 keeps the default
    // Kind::Custom: creates the component, owned by the form, with this name.
    std::function<Component*(TForm& form, const std::string& name)> create{};
};

struct FormDesign {
    std::string caption{};
    std::string hint{};
    TSize size{};        // outer size
    TSize clientSize{};  // client area; wins over size when given
    TSize minSize{};
    TBorderStyle borderStyle = TBorderStyle::bsSizeable;
    unsigned borderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition position = TPosition::poDesigned;
    bool showHint = false;
    FontDesign font{};
    std::vector<ComponentDesign> components{};
};

// Creates the components of the design in order, owned by the form. The form's
// main menu (the first in the design) is attached before the controls are
// placed, so bounds are in the client area below the menu bar. Throws
// std::invalid_argument for a design that names an unknown or unfit parent,
// action or image list, or a name twice.
void BuildForm(TForm& form, const FormDesign& design);

}  // namespace ui

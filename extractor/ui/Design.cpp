#include "ui/Design.h"

#include "ui/Actions.h"
#include "ui/Dialogs.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/OtherKinds.h"
#include "ui/StdControls.h"
#include "ui/TreeView.h"

#include <stdexcept>

namespace ui {
namespace {

class Builder {
public:
    Builder(TForm& form, const FormDesign& design) : form_(form), design_(design) {}

    void Build() {
        ApplyFormProperties();
        std::vector<Component*> created;
        created.reserve(design_.components.size());
        for (const ComponentDesign& d : design_.components) created.push_back(Create(d));
        AttachMenu(created);
        SizeForm();
        for (std::size_t i = 0; i < created.size(); ++i) Place(design_.components[i], *created[i]);
        for (std::size_t i = 0; i < created.size(); ++i) Bind(design_.components[i], *created[i]);
    }

private:
    [[noreturn]] void Fail(const ComponentDesign& d, const std::string& problem) const {
        throw std::invalid_argument("design of " + form_.Name() + ": " + (d.name.empty() ? "(unnamed)" : d.name) +
                                    ": " + problem);
    }

    template <typename T>
    T& Find(const ComponentDesign& d, const std::string& name, const char* what) const {
        auto* found = dynamic_cast<T*>(form_.FindComponent(name));
        if (!found) Fail(d, std::string("no ") + what + " named \"" + name + "\"");
        return *found;
    }

    void ApplyFormProperties() {
        form_.SetCaption(design_.caption);
        form_.SetHint(design_.hint);
        form_.SetBorderStyle(design_.borderStyle);
        form_.SetBorderIcons(design_.borderIcons);
        form_.SetPosition(design_.position);
        form_.SetMinSize(design_.minSize);
        form_.SetShowHint(design_.showHint);
        ApplyFont(form_.Font(), design_.font);
    }

    static void ApplyFont(TFont& font, const FontDesign& d) {
        TFont f;
        f.Name = d.name;
        f.Size = d.size;
        f.Charset = d.charset;
        f.Style = d.style;
        f.Color = d.color;
        font.Assign(f);
    }

    Component* Create(const ComponentDesign& d) {
        if (d.name.empty()) Fail(d, "a component needs a name");
        if (form_.FindComponent(d.name)) Fail(d, "the name is used twice");
        Component* c = Make(d);
        if (auto* control = dynamic_cast<TControl*>(c)) SetControlProperties(d, *control);
        return c;
    }

    Component* Make(const ComponentDesign& d) {
        const unsigned o = d.options;
        switch (d.kind) {
            case Kind::GroupBox:
                return new TGroupBox(&form_, d.name);
            case Kind::RadioButton:
                return new TRadioButton(&form_, d.name);
            case Kind::CheckBox:
                return new TCheckBox(&form_, d.name);
            case Kind::Button: {
                auto* b = new TButton(&form_, d.name);
                b->SetDefault(o & opt::Default);
                b->SetCancel(o & opt::Cancel);
                b->SetModalResult(d.modalResult);
                return b;
            }
            case Kind::Label: {
                auto* l = new TLabel(&form_, d.name);
                l->SetWordWrap(o & opt::WordWrap);
                l->SetAlignment((o & opt::AlignCenter)  ? TAlignment::taCenter
                                : (o & opt::AlignRight) ? TAlignment::taRightJustify
                                                        : TAlignment::taLeftJustify);
                return l;
            }
            case Kind::Edit: {
                auto* e = new TEdit(&form_, d.name);
                e->SetReadOnly(o & opt::ReadOnly);
                e->SetText(d.text);
                return e;
            }
            case Kind::Memo: {
                auto* m = new TMemo(&form_, d.name);
                m->SetReadOnly(o & opt::ReadOnly);
                m->SetWordWrap(o & opt::WordWrap);
                const bool v = o & opt::VertScroll, h = o & opt::HorzScroll;
                m->SetScrollBars(v && h ? TScrollStyle::ssBoth
                                 : v    ? TScrollStyle::ssVertical
                                 : h    ? TScrollStyle::ssHorizontal
                                        : TScrollStyle::ssNone);
                m->Lines().Assign(d.lines);
                return m;
            }
            case Kind::ListView: {
                auto* lv = new TListView(&form_, d.name);
                lv->SetReadOnly(o & opt::ReadOnly);
                lv->SetMultiSelect(o & opt::MultiSelect);
                lv->SetRowSelect(o & opt::RowSelect);
                lv->SetHideSelection(!(o & opt::KeepSelection));
                for (const ColumnDesign& cd : d.columns) {
                    TListColumn& column = lv->Columns().Add(cd.caption, cd.width);
                    if (cd.autoSize) column.SetAutoSize(true);
                }
                return lv;
            }
            case Kind::TreeView: {
                auto* tv = new TTreeView(&form_, d.name);
                tv->SetReadOnly(o & opt::ReadOnly);
                tv->SetHideSelection(!(o & opt::KeepSelection));
                if (d.indent > 0) tv->SetIndent(d.indent);
                return tv;
            }
            case Kind::Image: {
                auto* image = new TImage(&form_, d.name);
                image->SetPicture(d.picture);
                return image;
            }
            case Kind::MainMenu:
                return new TMainMenu(&form_, d.name);
            case Kind::MenuItem: {
                auto* item = new TMenuItem(&form_, d.name);
                item->SetCaption(d.caption);
                item->SetHint(d.hint);
                item->SetEnabled(!(o & opt::Disabled));
                item->SetVisible(!(o & opt::Hidden));
                item->SetChecked(o & opt::Checked);
                item->SetShortCut(TextToShortCut(d.shortcut));
                return item;
            }
            case Kind::ActionList:
                return new TActionList(&form_, d.name);
            case Kind::Action: {
                auto* action = new TAction(&form_, d.name);
                action->SetCaption(d.caption);
                action->SetHint(d.hint);
                action->SetEnabled(!(o & opt::Disabled));
                action->SetVisible(!(o & opt::Hidden));
                action->SetChecked(o & opt::Checked);
                action->SetShortCut(TextToShortCut(d.shortcut));
                return action;
            }
            case Kind::ImageList: {
                auto* images = new TImageList(&form_, d.name);
                images->SetShareImages(o & opt::ShareImages);
                return images;
            }
            case Kind::OpenDialog: {
                auto* dialog = new TOpenDialog(&form_, d.name);
                dialog->SetTitle(d.title);
                dialog->SetFilter(d.filter);
                dialog->SetDefaultExt(d.defaultExt);
                if (d.openOptions) dialog->SetOptions(d.openOptions);
                return dialog;
            }
            case Kind::HeaderControl:
                return new THeaderControl(&form_, d.name);
            case Kind::DBGrid:
                return new TDBGrid(&form_, d.name);
            case Kind::Splitter:
                return new TSplitter(&form_, d.name);
            case Kind::Timer:
                return new TTimer(&form_, d.name);
            case Kind::Frame:
                return new TFrame(&form_, d.name);
            case Kind::Custom: {
                if (!d.create) Fail(d, "a custom component needs a create function");
                Component* c = d.create(form_, d.name);
                if (!c || c->Owner() != &form_ || c->Name() != d.name) {
                    Fail(d, "the create function must make a component of this name owned by the form");
                }
                return c;
            }
        }
        Fail(d, "unknown kind");
    }

    void SetControlProperties(const ComponentDesign& d, TControl& control) {
        if (d.kind != Kind::Edit) control.SetCaption(d.caption);
        control.SetHint(d.hint);
        control.SetBounds(d.bounds);
        control.SetAnchors(d.anchors);
        control.SetEnabled(!(d.options & opt::Disabled));
        control.SetVisible(!(d.options & opt::Hidden));
        control.SetShowHint(d.options & opt::ShowHint);
        control.SetHandCursor(d.options & opt::HandCursor);
    }

    void AttachMenu(const std::vector<Component*>& created) {
        for (Component* c : created) {
            if (auto* menu = dynamic_cast<TMainMenu*>(c)) {
                form_.SetMenu(menu);
                return;
            }
        }
    }

    void SizeForm() {
        if (design_.clientSize.Width > 0 && design_.clientSize.Height > 0) {
            form_.SetClientSize(design_.clientSize);
        } else if (design_.size.Width > 0 && design_.size.Height > 0) {
            form_.SetBounds({form_.Left(), form_.Top(), design_.size.Width, design_.size.Height});
        }
    }

    void Place(const ComponentDesign& d, Component& c) {
        if (auto* control = dynamic_cast<TControl*>(&c)) {
            TControl* parent = &form_;
            if (!d.parent.empty()) parent = &Find<TControl>(d, d.parent, "control to hold it");
            if (d.font) ApplyFont(control->Font(), *d.font);
            control->SetParent(parent);
            if (d.options & opt::Checked) {
                if (auto* radio = dynamic_cast<TRadioButton*>(control)) radio->SetChecked(true);
                if (auto* box = dynamic_cast<TCheckBox*>(control)) box->SetChecked(true);
            }
        } else if (auto* item = dynamic_cast<TMenuItem*>(&c)) {
            if (d.parent.empty()) Fail(d, "a menu item needs a menu or menu item as parent");
            Component* parent = form_.FindComponent(d.parent);
            if (auto* menu = dynamic_cast<TMainMenu*>(parent)) {
                menu->Items().Add(*item);
            } else if (auto* parentItem = dynamic_cast<TMenuItem*>(parent)) {
                parentItem->Add(*item);
            } else {
                Fail(d, "no menu or menu item named \"" + d.parent + "\"");
            }
        } else if (auto* action = dynamic_cast<TAction*>(&c)) {
            if (d.parent.empty()) Fail(d, "an action needs its action list as parent");
            action->SetActionList(&Find<TActionList>(d, d.parent, "action list"));
        } else if (!d.parent.empty()) {
            Fail(d, "a component of this kind has no parent");
        }
    }

    void Bind(const ComponentDesign& d, Component& c) {
        if (!d.action.empty()) {
            TAction& action = Find<TAction>(d, d.action, "action");
            if (auto* client = dynamic_cast<ActionClient*>(&c)) {
                client->SetAction(&action);
            } else {
                Fail(d, "a component of this kind cannot show an action");
            }
        }
        if (!d.images.empty()) {
            TImageList& images = Find<TImageList>(d, d.images, "image list");
            if (auto* list = dynamic_cast<TListView*>(&c)) {
                list->SetSmallImages(&images);
            } else if (auto* tree = dynamic_cast<TTreeView*>(&c)) {
                tree->SetImages(&images);
            } else {
                Fail(d, "a component of this kind shows no images");
            }
        }
    }

    TForm& form_;
    const FormDesign& design_;
};

}  // namespace

void BuildForm(TForm& form, const FormDesign& design) { Builder(form, design).Build(); }

}  // namespace ui

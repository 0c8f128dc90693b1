#include "ui/StdControls.h"

#include "ui/Form.h"

namespace ui {

TGroupBox::TGroupBox(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TGroupBox", "TCustomGroupBox", "TCustomControl", "TWinControl", "TControl"}) {
    PublishCaption();
    PublishHint();
    PublishFontProperty();
}

// --- TButton ---

TButton::TButton(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TButton", "TButtonControl", "TWinControl", "TControl"}) {
    PublishCaption();
    PublishHint();
    PublishFontProperty();
    SetTabStop(true);
}

void TButton::SetDefault(bool value) {
    if (default_ == value) return;
    default_ = value;
    Changed(Aspect::Options);
}

void TButton::Click() {
    if (!Enabled()) return;
    if (modalResult_ != mrNone) {
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    }
    TControl::Click();
}

// --- TCheckBox ---

TCheckBox::TCheckBox(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TCheckBox", "TCustomCheckBox", "TButtonControl", "TWinControl", "TControl"}) {
    PublishCaption();
    PublishHint();
    PublishFontProperty();
    SetTabStop(true);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed(Aspect::Checked);
    Click();
}

// --- TRadioButton ---

TRadioButton::TRadioButton(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TRadioButton", "TButtonControl", "TWinControl", "TControl"}) {
    PublishCaption();
    PublishHint();
    PublishFontProperty();
    SetTabStop(true);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed(Aspect::Checked);
    if (!checked_) return;
    if (TControl* parent = Parent()) {
        for (TControl* sibling : parent->Controls()) {
            if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
        }
    }
    Click();
}

// --- TLabel ---

TLabel::TLabel(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TLabel", "TCustomLabel", "TGraphicControl", "TControl"}) {
    PublishCaption();
    PublishHint();
    PublishFontProperty();
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    Changed(Aspect::Options);
}

void TLabel::SetWordWrap(bool wrap) {
    if (wordWrap_ == wrap) return;
    wordWrap_ = wrap;
    Changed(Aspect::Options);
}

// --- TEdit ---

TEdit::TEdit(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TEdit", "TCustomEdit", "TWinControl", "TControl"}) {
    PublishHint();
    PublishFontProperty();
    PublishText();
    SetTabStop(true);
}

void TEdit::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    Changed(Aspect::Options);
}

// --- TMemo ---

TMemo::TMemo(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TMemo", "TCustomMemo", "TCustomEdit", "TWinControl", "TControl"}) {
    PublishHint();
    PublishFontProperty();
    PublishStrings("Lines", &lines_);
    lines_.OnChange = [this] {
        if (!fromPeer_) Changed(Aspect::Text);
    };
    SetTabStop(true);
}

std::string TMemo::Text() const {
    std::string text;
    for (int i = 0; i < lines_.Count(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines_[i];
    }
    return text;
}

void TMemo::PeerTextChanged(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    // An empty text or one ending with a line break has no further line.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    fromPeer_ = true;
    lines_.Assign(lines);
    fromPeer_ = false;
}

void TMemo::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    Changed(Aspect::Options);
}

void TMemo::SetWordWrap(bool wrap) {
    if (wordWrap_ == wrap) return;
    wordWrap_ = wrap;
    Changed(Aspect::Options);
}

void TMemo::SetScrollBars(TScrollStyle scrollBars) {
    if (scrollBars_ == scrollBars) return;
    scrollBars_ = scrollBars;
    Changed(Aspect::Options);
}

// --- TImage, TSplitter ---

TImage::TImage(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TImage", "TGraphicControl", "TControl"}) {
    PublishHint();
}

void TImage::SetPicture(std::string resourceName) {
    if (picture_ == resourceName) return;
    picture_ = std::move(resourceName);
    Changed(Aspect::Picture);
}

TSplitter::TSplitter(Component* owner, std::string name)
    : TControl(owner, std::move(name), {"TSplitter", "TGraphicControl", "TControl"}) {
    PublishHint();
}

}  // namespace ui

// The simple kinds: group box, push button, check box, radio button, label,
// edit, memo, picture and splitter. Each publishes exactly the property names
// the localisation walk may ask for on it.
#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

enum class TAlignment { taLeftJustify, taCenter, taRightJustify };

// Caption, Hint, Font. Holds other controls.
class TGroupBox : public TControl {
public:
    TGroupBox(Component* owner, std::string name);
};

// Caption, Hint, Font.
class TButton : public TControl {
public:
    TButton(Component* owner, std::string name);
    // Enter presses the form's default button, Escape its cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // A click on a modal form sets the form's modal result to this (if not mrNone).
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    void Click() override;

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = mrNone;
};

// Caption, Hint, Font. Checking it programmatically clicks it too.
class TCheckBox : public TControl {
public:
    TCheckBox(Component* owner, std::string name);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // The user toggled it on screen.
    void PeerChecked(bool checked) { SetChecked(checked); }

private:
    bool checked_ = false;
};

// Caption, Hint, Font. Checking one unchecks the radio buttons beside it (same
// parent) and clicks it.
class TRadioButton : public TControl {
public:
    TRadioButton(Component* owner, std::string name);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void PeerChecked(bool checked) { SetChecked(checked); }

private:
    bool checked_ = false;
};

// Caption, Hint, Font.
class TLabel : public TControl {
public:
    TLabel(Component* owner, std::string name);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
};

// Hint, Font, Text.
class TEdit : public TControl {
public:
    TEdit(Component* owner, std::string name);
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { SetCaption(std::move(text)); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // The user typed: the text changes without going back to the peer.
    void PeerTextChanged(std::string text) { text_ = std::move(text); }

private:
    bool readOnly_ = false;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Hint, Font, Lines (a string list).
class TMemo : public TControl {
public:
    TMemo(Component* owner, std::string name);
    TStrings& Lines() { return lines_; }
    const TStrings& Lines() const { return lines_; }
    // The lines joined by CR LF, as the memo shows them.
    std::string Text() const;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle scrollBars);
    void PeerTextChanged(const std::string& text);

private:
    TStrings lines_;
    bool readOnly_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool fromPeer_ = false;
};

// Hint. Shows an icon from the program's resources, centred.
class TImage : public TControl {
public:
    TImage(Component* owner, std::string name);
    const std::string& Picture() const { return picture_; }
    void SetPicture(std::string resourceName);

private:
    std::string picture_;
};

// Hint. The program has none; the localisation walk passes over them.
class TSplitter : public TControl {
public:
    TSplitter(Component* owner, std::string name);
};

}  // namespace ui

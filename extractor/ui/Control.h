// The base of every visible kind: a parent, bounds with anchors, visibility,
// enabled state, a text, a hint, a font that follows the parent's until it is
// set itself, an optional action binding, input events, and a backend peer.
#pragma once

#include "ui/Actions.h"
#include "ui/Backend.h"
#include "ui/Component.h"
#include "ui/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Application;
class TForm;

class TControl : public Component, public ActionClient {
public:
    TControl(Component* owner, std::string name, std::vector<std::string> classChain);
    ~TControl() override;

    // --- Parent and children (controls shown inside this one, in creation order)
    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);
    const std::vector<TControl*>& Controls() const { return controls_; }
    // The form this control is shown on (the control itself for a form); null while it has none.
    virtual TForm* ParentForm() const;
    Application* App() const;

    // --- Geometry, in the parent's client coordinates
    const TRect& BoundsRect() const { return bounds_; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    void SetBounds(const TRect& bounds);
    virtual TSize ClientSize() const;
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    // --- State
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The text a kind shows: the caption of a button or label, the text of an edit.
    const std::string& Caption() const { return text_; }
    void SetCaption(std::string caption);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    // True while the font follows the parent's; writing the font makes it false.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool hand) { handCursor_ = hand; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

    // --- Input. Backends call these for the user's input; tests may too.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseDown;
    // A handler that sets key to 0 consumes the key.
    std::function<void(unsigned& key, TShiftState)> OnKeyDown;

    // A click: executes the bound action if there is one, else OnClick.
    virtual void Click();
    void DblClick();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void KeyDown(unsigned& key, TShiftState shift);

    void SetFocus();
    bool Focused() const;

    ControlPeer* Peer() const { return peer_.get(); }

    // --- Called by a peer when the user changed the control's state.
    void PeerResized(const TRect& bounds);
    void PeerFocused();

protected:
    void Changed(Aspect aspect, const void* subject = nullptr) const;
    // Creates the peer (and those of the children) once the control is on a form that has one.
    void CreatePeers();
    void SetPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }
    // Destroys child controls and the peer; each control class calls it first in its destructor.
    void DestroyControl();

    // The published properties the kinds pick from.
    void PublishCaption();
    void PublishText();
    void PublishHint();
    void PublishFontProperty();

    virtual TSize DefaultClientSize() const { return {bounds_.Width, bounds_.Height}; }
    virtual void TextChanged() {}

    // ActionClient: a control shows an action's caption, hint, enabled state and visibility.
    ActionState LinkedState() const override;
    void ShowLinked(const ActionState& state, ActionProperties which) override;

    std::string text_;

private:
    void ParentResized(TSize oldClient, TSize newClient);
    void ApplyParentFont();
    void FontChanged();
    void ChildrenResized();

    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    TRect bounds_;
    TSize lastClient_;  // the client size the children were last placed in
    TAnchors anchors_ = akLeft | akTop;
    bool visible_ = true;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool applyingParentFont_ = false;
    bool handCursor_ = false;
    bool tabStop_ = false;
    bool destroyed_ = false;
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui

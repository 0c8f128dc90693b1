// TsmlMsgLangRes: a window's run-time messages, as lines "Str<N>=<text>" in
// MsgList, translated from the language file when the component is activated.
#pragma once

#include <string>
#include <string_view>

#include "localisation/SMLLangRes.h"
#include "ui/Component.h"

namespace localisation {

// The message list: a plain string list of its own class.
class TsmlMsgList : public ui::TStrings {
public:
    using ui::TStrings::TStrings;
    using ui::TStrings::operator=;
};

class TsmlMsgLangRes : public TsmlLangRes {
public:
    explicit TsmlMsgLangRes(ui::Component* owner, std::string name = "smlMsgLangRes");

    // Any change of the list while active (and outside a pass) starts a pass.
    TsmlMsgList& MsgList() { return msgList_; }
    const TsmlMsgList& MsgList() const { return msgList_; }
    // Copies the lines of the given list.
    void SetMsgList(const ui::TStrings& lines) { msgList_ = lines; }

    // The text after the first "=" of the first line whose name (the text before
    // its first "=") matches name without regard to case; "" if there is none.
    std::string GetResString(std::string_view name) const;
    // The text after the first "=" of line index; "" for an index out of range.
    std::string GetResString(int index) const;

protected:
    void DoUpdateLangRes() override;

private:
    TsmlMsgList msgList_;
    bool busy_ = false;
};

}  // namespace localisation

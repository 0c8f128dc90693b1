#include "localisation/SMLMsgLangRes.h"

namespace localisation {
namespace {

std::string ValueOf(const std::string& line) {
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

}  // namespace

TsmlMsgLangRes::TsmlMsgLangRes(ui::Component* owner, std::string name)
    : TsmlLangRes(owner, std::move(name), {"TsmlMsgLangRes", "TsmlLangRes"}) {
    msgList_.OnChange = [this] {
        if (!busy_) UpdateLangRes();
    };
}

std::string TsmlMsgLangRes::GetResString(std::string_view name) const {
    const int index = msgList_.IndexOfName(name);
    return index < 0 ? std::string() : ValueOf(msgList_[index]);
}

std::string TsmlMsgLangRes::GetResString(int index) const {
    return index < 0 || index >= msgList_.Count() ? std::string() : ValueOf(msgList_[index]);
}

void TsmlMsgLangRes::DoUpdateLangRes() {
    // The pass's own replacements must not start another pass, even when it ends with an error.
    struct BusyScope {
        bool& flag;
        explicit BusyScope(bool& f) : flag(f) { flag = true; }
        ~BusyScope() { flag = false; }
    } busy(busy_);

    for (int i = 0; i < msgList_.Count(); ++i) {
        const std::string line = msgList_[i];
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;  // not a message line
        const std::string name = line.substr(0, eq);
        const std::string translated = RegisterKeyValueToFile(name, line.substr(eq + 1));
        if (!translated.empty()) msgList_.Set(i, name + "=" + translated);
    }
}

}  // namespace localisation

#include "localisation/WindowLangResDesign.h"

#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMenuLangRes.h"
#include "localisation/SMLMsgLangRes.h"
#include "ui/Form.h"

namespace localisation {

ui::ComponentDesign FormLangResDesign() {
    return {.name = "smlFormLangRes", .create = [](ui::TForm& form, const std::string& name) -> ui::Component* {
                return new TsmlFormLangRes(&form, name);
            }};
}

ui::ComponentDesign MsgLangResDesign() {
    return {.name = "smlMsgLangRes", .create = [](ui::TForm& form, const std::string& name) -> ui::Component* {
                return new TsmlMsgLangRes(&form, name);
            }};
}

ui::ComponentDesign MenuLangResDesign() {
    return {.name = "smlMenuLangRes", .create = [](ui::TForm& form, const std::string& name) -> ui::Component* {
                return new TsmlMenuLangRes(&form, name);
            }};
}

WindowLangRes FindLangRes(const ui::Component& window) {
    return {dynamic_cast<TsmlFormLangRes*>(window.FindComponent("smlFormLangRes")),
            dynamic_cast<TsmlMsgLangRes*>(window.FindComponent("smlMsgLangRes")),
            dynamic_cast<TsmlMenuLangRes*>(window.FindComponent("smlMenuLangRes"))};
}

void PrepareLangRes(const WindowLangResSettings& window, const WindowLangRes& components,
                    std::span<const std::string_view> builtInMessages) {
    if (components.form) ApplyStoredSettings(*components.form, window);
    if (components.menu) ApplyStoredSettings(*components.menu, window);
    if (components.messages) {
        ApplyStoredSettings(*components.messages);
        components.messages->MsgList().Assign(MessageListLines(builtInMessages));
    }
}

}  // namespace localisation

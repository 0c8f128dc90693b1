#include "KeyRecorder.h"

#include "LanguageFile.h"
#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMenuLangRes.h"
#include "localisation/SMLMsgLangRes.h"

namespace loctest {

std::vector<std::string> RecordKeysRead(std::vector<localisation::TsmlLangRes*> inActivationOrder) {
    if (inActivationOrder.empty()) return {};
    LanguageFile file;
    for (localisation::TsmlLangRes* translator : inActivationOrder) {
        translator->SetActive(false);
        translator->SetAutoCreateMode(true);
        translator->SetIgnoreEmptyString(false);
        translator->SetLangFileName(file.name());
    }
    for (localisation::TsmlLangRes* translator : inActivationOrder) translator->SetActive(true);
    const std::string section = inActivationOrder.front()->SectionName();
    return file.exists() ? KeysOfSection(file.read(), section) : std::vector<std::string>{};
}

std::vector<std::string> RecordKeysRead(std::initializer_list<localisation::TsmlLangRes*> inActivationOrder) {
    return RecordKeysRead(std::vector<localisation::TsmlLangRes*>(inActivationOrder));
}

std::vector<std::string> RecordKeysRead(const localisation::WindowLangResSettings& window,
                                        const localisation::WindowLangRes& components) {
    std::vector<localisation::TsmlLangRes*> ordered;
    for (localisation::LangResRole role : window.activationOrder) {
        localisation::TsmlLangRes* component = nullptr;
        switch (role) {
            case localisation::LangResRole::Form: component = components.form; break;
            case localisation::LangResRole::Messages: component = components.messages; break;
            case localisation::LangResRole::Menu: component = components.menu; break;
        }
        if (component) ordered.push_back(component);
    }
    return RecordKeysRead(std::move(ordered));
}

}  // namespace loctest

#include "KeyRecorder.h"

#include "LanguageFile.h"
#include "localisation/SMLLangRes.h"

namespace loctest {

std::vector<std::string> RecordKeysRead(std::initializer_list<localisation::TsmlLangRes*> inActivationOrder) {
    if (inActivationOrder.size() == 0) return {};
    LanguageFile file;
    for (localisation::TsmlLangRes* translator : inActivationOrder) {
        translator->SetActive(false);
        translator->SetAutoCreateMode(true);
        translator->SetIgnoreEmptyString(false);
        translator->SetLangFileName(file.name());
    }
    for (localisation::TsmlLangRes* translator : inActivationOrder) translator->SetActive(true);
    const std::string section = (*inActivationOrder.begin())->SectionName();
    return file.exists() ? KeysOfSection(file.read(), section) : std::vector<std::string>{};
}

}  // namespace loctest

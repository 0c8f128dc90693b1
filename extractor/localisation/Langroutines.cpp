#include "localisation/Langroutines.h"

#include <stdexcept>

#include "localisation/MessageLists.h"
#include "localisation/SMLMsgLangRes.h"

namespace localisation {

std::string GetLangMessage(const TsmlMsgLangRes* messages, int number) {
    if (!messages) throw std::runtime_error("Strings resource not found");
    return ExpandLineBreaks(messages->GetResString("Str" + std::to_string(number)));
}

}  // namespace localisation

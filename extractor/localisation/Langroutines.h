// GetLangMessage: how program code obtains the texts of its window's message list.
#pragma once

#include <string>

namespace localisation {

class TsmlMsgLangRes;

// Message number of the list of messages ("Str" + number), already translated,
// with each backslash-n pair turned into a line feed; "" when the list has no
// such message. The text is data: any "%" in it stays as it is. Fails with
// "Strings resource not found" when no component is given.
std::string GetLangMessage(const TsmlMsgLangRes* messages, int number);

}  // namespace localisation

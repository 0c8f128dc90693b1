// The keys a window's translators read, in reading order. Each translator is
// switched to auto-create (empty texts included) against one fresh, empty
// language file and activated in the given order: every key read is then
// missing and written at once, so the file lists the keys in reading order.
// Works on any window whose translators are given, already activated or not.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "localisation/WindowLangResSettings.h"

namespace localisation {
class TsmlLangRes;
}

namespace loctest {

std::vector<std::string> RecordKeysRead(std::initializer_list<localisation::TsmlLangRes*> inActivationOrder);
std::vector<std::string> RecordKeysRead(std::vector<localisation::TsmlLangRes*> inActivationOrder);
// A window's components in the order its settings give.
std::vector<std::string> RecordKeysRead(const localisation::WindowLangResSettings& window,
                                        const localisation::WindowLangRes& components);

}  // namespace loctest

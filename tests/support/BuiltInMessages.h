// The main window's built-in message texts, as the code shows them when no
// language file replaces them. For tests that link the localisation library.
#pragma once

#include <string>

#include "localisation/MessageLists.h"

namespace testsupport {

inline std::string BuiltIn(int number) {
    return std::string(localisation::BuiltInMessage(localisation::MainWindowMessages(), number));
}

}  // namespace testsupport

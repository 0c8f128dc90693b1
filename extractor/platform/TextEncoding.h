// Names stored in archives, turned into the form the platform's file functions
// take: the ANSI code page on Windows, UTF-8 on POSIX.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A name in the OEM code page (on POSIX: code page 437, the one archives of
// DOS and Windows use) in the platform's form. Characters that the platform's
// code page lacks become "?".
std::string OemToNative(std::string_view name);

// A UTF-8 name in the platform's form; on POSIX it is kept as it is.
std::string Utf8ToNative(std::string_view name);

}  // namespace platform

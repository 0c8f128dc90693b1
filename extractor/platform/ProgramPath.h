// Where the running program lives, and the application title derived from its
// file name.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Full path of the running program's file.
std::string ProgramFilePath();

// The folder of the running program, ending with the path separator.
std::string ProgramFolder();

// The application title for a program file name: the name from its first
// character up to (not including) its first ".", every character after the
// first in lower case ("EXTRACTOR.EXE" gives "Extractor"). Letters are those of
// ASCII; other bytes stay as they are.
std::string ApplicationTitleOf(std::string_view programFileName);

// The application title of the running program.
std::string ApplicationTitle();

}  // namespace platform

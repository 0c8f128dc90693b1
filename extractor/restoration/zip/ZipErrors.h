// Errors met while reading an archive or extracting an item, beyond the
// public exception classes. Each carries the error class and code that
// OnProcessItemFailure reports for it.
#pragma once

#include <string>

#include "restoration/zip/ZipExceptions.h"

namespace zip {

class ItemError : public EArchiveException {
public:
    // systemText: the operating system's words for a failed file operation,
    // added to the message.
    ItemError(TErrorClass errorClass, int code, const std::string& message, std::string systemText = {})
        : EArchiveException(systemText.empty() ? message : message + ": " + systemText),
          errorClass_(errorClass), code_(code), systemText_(std::move(systemText)) {}
    TErrorClass ErrorClass() const { return errorClass_; }
    int Code() const { return code_; }
    const std::string& SystemText() const { return systemText_; }

private:
    TErrorClass errorClass_;
    int code_;
    std::string systemText_;
};

// Headers or data that do not follow the format.
class DamagedArchive : public ItemError {
public:
    explicit DamagedArchive(const std::string& message)
        : ItemError(TErrorClass::ecArchive, zecDamagedData, "Damaged archive: " + message) {}
};

class ArchiveReadError : public ItemError {
public:
    explicit ArchiveReadError(const std::string& message)
        : ItemError(TErrorClass::ecInOutError, zecReadFailed, message) {}
};

}  // namespace zip

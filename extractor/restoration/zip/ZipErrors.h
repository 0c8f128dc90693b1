// Errors met while reading an archive or extracting an item, beyond the
// public exception classes. Each carries the error class and code that
// OnProcessItemFailure reports for it.
#pragma once

#include <string>

#include "restoration/zip/ZipExceptions.h"

namespace zip {

class ItemError : public EArchiveException {
public:
    ItemError(TErrorClass errorClass, int code, const std::string& message)
        : EArchiveException(message), errorClass_(errorClass), code_(code) {}
    TErrorClass ErrorClass() const { return errorClass_; }
    int Code() const { return code_; }

private:
    TErrorClass errorClass_;
    int code_;
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

// The error classes, codes and exceptions of the ZIP component. The facade
// (TUnZipper.h) and the inner layers both include this header, so the inner
// layers need not see the facade.
#pragma once

#include <stdexcept>

enum class TErrorClass {
    ecArchive,
    ecInOutError,
    ecFilerError,
    ecFileCreateError,
    ecFileOpenError,
    ecCabError,
    ecOther
};

// Error codes passed to OnProcessItemFailure with the error class.
enum TZipErrorCode : int {
    zecDamagedData = 1,        // ecArchive: damaged headers or compressed data
    zecInvalidMethod = 2,      // ecArchive: a compression method we do not read
    zecVersion = 3,            // ecArchive: needs a ZIP version or feature we do not read
    zecEncrypted = 4,          // ecArchive: encrypted (no password is ever supplied)
    zecUnsafeName = 5,         // ecOther: the name would leave the base directory
    zecLinkInPath = 6,         // ecFileCreateError: a symbolic link or junction is in the way
    zecNoSuchDirectory = 7,    // ecFileCreateError: target folder missing, eoCreateDirs not set
    zecCannotCreateFolder = 8, // ecFileCreateError
    zecCannotCreateFile = 9,   // ecFileCreateError: read-only, locked, a folder or device is there
    zecWriteFailed = 10,       // ecInOutError: writing failed (disk full)
    zecReadFailed = 11,        // ecInOutError: reading the archive failed
    zecBadCRC = 23,            // ecArchive: the written data's CRC-32 differs; kept only where no file was
};

// Exceptions. EAbortProgress does not derive from EArchiveException.
class EArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EUserAbort : public EArchiveException {
public:
    using EArchiveException::EArchiveException;
};
class EAbortProgress : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class ENoSuchDirectory : public EArchiveException {
public:
    using EArchiveException::EArchiveException;
};
class EZipInvalidMethod : public EArchiveException {
public:
    using EArchiveException::EArchiveException;
};
class EZipVersion : public EArchiveException {
public:
    using EArchiveException::EArchiveException;
};
class EZipInvalidPassword : public EArchiveException {
public:
    using EArchiveException::EArchiveException;
};
class EZipBadCRC : public EArchiveException {
public:
    using EArchiveException::EArchiveException;
};

#include "restoration/codecs/DataChecks.h"

#include <string>

namespace codecs {

namespace {
std::string Named(DataKind kind, const char* rest) {
    return std::string(kind == DataKind::kStored ? "stored data" : "compressed data") + rest;
}
}  // namespace

void ThrowTruncated(DataKind kind) { throw DataError(Named(kind, " ends early")); }

void ThrowSourceGaveMore(DataKind kind) {
    throw DataError(Named(kind, ": the source reported more bytes than asked for"));
}

void ThrowTooLong() { throw DataError("compressed data gives more bytes than the declared size"); }

void ThrowTooShort() { throw DataError("compressed data gives fewer bytes than the declared size"); }

void ThrowInvalidData(const char* detail) {
    const std::string what = "compressed data is invalid";
    throw DataError(detail ? what + ": " + detail : what);
}

void ThrowDataError(const char* what) { throw DataError(what); }

}  // namespace codecs

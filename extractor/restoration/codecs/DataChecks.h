// The checks every decoder makes on the data it reads and the output it
// gives. Each check is an inline test; its failure goes to a cold function out
// of line that throws the DataError with the fault's own text, so the loops
// that call them stay small.
#pragma once

#include <cstddef>
#include <cstdint>

#include "restoration/codecs/Streams.h"

namespace codecs {

// Whose bytes a source delivers: the name the texts give them.
enum class DataKind : bool { kCompressed, kStored };

// "... ends early": the data ended before the decoder was done.
[[noreturn, gnu::cold]] void ThrowTruncated(DataKind kind = DataKind::kCompressed);
// "... the source reported more bytes than asked for".
[[noreturn, gnu::cold]] void ThrowSourceGaveMore(DataKind kind = DataKind::kCompressed);
// The output would go past the declared size.
[[noreturn, gnu::cold]] void ThrowTooLong();
// The data ended its output before the declared size.
[[noreturn, gnu::cold]] void ThrowTooShort();
// The Deflate data is invalid; detail, when there is one, says how.
[[noreturn, gnu::cold]] void ThrowInvalidData(const char* detail = nullptr);
// A fault of one method's format, in that decoder's words.
[[noreturn, gnu::cold]] void ThrowDataError(const char* what);

// A fault of the format when condition fails; what names it.
inline void Require(bool condition, const char* what) {
    if (!condition) [[unlikely]]
        ThrowDataError(what);
}

// A source never gives more than it was asked for.
inline void CheckSourceGave(std::size_t got, std::size_t asked, DataKind kind = DataKind::kCompressed) {
    if (got > asked) [[unlikely]]
        ThrowSourceGaveMore(kind);
}

// size more bytes are about to be output, where only room more are allowed.
inline void CheckNotTooLong(std::uint64_t size, std::uint64_t room) {
    if (size > room) [[unlikely]]
        ThrowTooLong();
}

// The data has ended; missing bytes of the declared size were never produced.
inline void CheckNoneMissing(std::uint64_t missing) {
    if (missing != 0) [[unlikely]]
        ThrowTooShort();
}

// The one way the decoders read their source: up to size bytes into buffer,
// returning how many came, 0 only at the end of the data.
inline std::size_t ReadSource(ByteSource& source, std::uint8_t* buffer, std::size_t size,
                              DataKind kind = DataKind::kCompressed) {
    const std::size_t got = source.Read(buffer, size);
    CheckSourceGave(got, size, kind);
    return got;
}

// ReadSource where the data must not end yet: at least one byte comes.
inline std::size_t ReadSourceBeforeEnd(ByteSource& source, std::uint8_t* buffer, std::size_t size,
                                       DataKind kind = DataKind::kCompressed) {
    const std::size_t got = ReadSource(source, buffer, size, kind);
    if (got == 0) [[unlikely]]
        ThrowTruncated(kind);
    return got;
}

}  // namespace codecs

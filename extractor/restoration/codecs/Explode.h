// Implode (method 6): a sliding dictionary of 4 KiB or, with general purpose
// bit 1, 8 KiB, and Shannon-Fano coded lengths and distances; with general
// purpose bit 2 literals are coded by a third tree and matches are at least 3
// bytes long, otherwise literals are plain bytes and matches at least 2 long.
// Bytes before the start of the output read as zeros. Size and end rules: see Decode.h.
#pragma once

#include <cstdint>

#include "restoration/codecs/Streams.h"

namespace codecs {

void Explode(ByteSource& source, ByteSink& sink, std::uint64_t uncompressedSize, std::uint16_t generalPurposeFlags);

}  // namespace codecs

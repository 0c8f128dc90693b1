#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "restoration/codecs/Crc32.h"

namespace {

using namespace codectest;

TEST(Crc32, KnownValuesAndContinuation) {
    const Bytes check = ToBytes("123456789");
    EXPECT_EQ(codecs::Crc32(0, check.data(), check.size()), 0xCBF43926u);
    EXPECT_EQ(codecs::Crc32(0, nullptr, 0), 0u);

    Bytes data = RandomBytes(100'003, 1);
    std::uint32_t whole = codecs::Crc32(0, data.data(), data.size());
    std::uint32_t pieces = 0;
    for (std::size_t at = 0; at < data.size(); at += 4099)
        pieces = codecs::Crc32(pieces, data.data() + at, std::min<std::size_t>(4099, data.size() - at));
    EXPECT_EQ(pieces, whole);
}

}  // namespace

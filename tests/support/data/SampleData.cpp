#include "SampleData.h"

#include <iterator>
#include <random>

namespace sampledata {

Bytes RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

Bytes TextLikeBytes(std::size_t size, std::uint32_t seed) {
    static const char* const kWords[] = {"static ", "void ", "return ", "the ", "backup ", "index ", "\n    ",
                                         "if (", ") {\n", "archive", "folder", "= 0;", "std::", "// "};
    std::mt19937 random(seed);
    Bytes out;
    out.reserve(size);
    while (out.size() < size) {
        if (random() % 4 == 0) {
            for (int i = 0; i < 64 && out.size() < size; ++i) out.push_back(static_cast<std::uint8_t>(random()));
        } else {
            for (int i = 0; i < 40 && out.size() < size; ++i)
                for (const char* w = kWords[random() % std::size(kWords)]; *w && out.size() < size; ++w)
                    out.push_back(static_cast<std::uint8_t>(*w));
        }
    }
    return out;
}

}  // namespace sampledata

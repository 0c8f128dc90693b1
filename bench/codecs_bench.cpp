// Decoding speed of the Deflate paths (whole item in one piece, and
// streaming) for items of several sizes, of the other methods' decoders and
// of CRC-32. Prints MB/s of output. Times are processor time.
// Usage: codecs_bench [megabytes per measurement, default 300] [what]
// where `what` is one of deflate, deflate64, implode, reduce, shrink, stored,
// crc (default: all of them).
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "ReferenceDeflate.h"
#include "SampleData.h"
#include "encoders/Deflate64Writer.h"
#include "encoders/ImplodeEncoder.h"
#include "encoders/MatchFinder.h"
#include "encoders/ReduceEncoder.h"
#include "encoders/ShrinkEncoder.h"
#include "restoration/codecs/Crc32.h"
#include "restoration/codecs/Decode.h"
#include "restoration/codecs/Inflate.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class MemorySource : public codecs::ByteSource {
public:
    explicit MemorySource(const Bytes& data) : data_(data) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        std::size_t n = std::min(size, data_.size() - pos_);
        std::copy_n(data_.data() + pos_, n, buffer);
        pos_ += n;
        return n;
    }

private:
    const Bytes& data_;
    std::size_t pos_ = 0;
};

// Touches the output the way a file write would (one pass over the bytes).
class CountingSink : public codecs::ByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override {
        checksum += data[0] + data[size - 1];
        total += size;
    }
    std::uint64_t total = 0;
    std::uint64_t checksum = 0;
};

// Processor time of this process: the machine may be shared, and wall time would count the others.
double CpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Measure(std::uint64_t budgetBytes, std::size_t itemSize, const std::function<void()>& once) {
    std::uint64_t rounds = std::max<std::uint64_t>(3, budgetBytes / itemSize);
    once();  // warm up
    auto start = CpuNow();
    for (std::uint64_t i = 0; i < rounds; ++i) once();
    double seconds = CpuNow() - start;
    return static_cast<double>(rounds * itemSize) / seconds / 1e6;
}

// A Deflate64 stream of fixed-code blocks with greedy matches, and the bytes it stands for.
Bytes Deflate64Of(const Bytes& data, Bytes& expected) {
    codectest::Deflate64Writer writer;
    codectest::MatchFinder finder(data, 65536, 258);
    constexpr std::size_t kBlock = 1 << 16;
    std::size_t pos = 0;
    while (pos < data.size()) {
        const std::size_t blockEnd = std::min(data.size(), pos + kBlock);
        writer.BeginFixedBlock(blockEnd == data.size());
        while (pos < blockEnd) {
            codectest::Match m = finder.Longest(pos, [](const codectest::Match&) { return true; });
            std::size_t advance = 1;
            if (m.length >= 3) {
                writer.Match(static_cast<std::uint32_t>(m.length), static_cast<std::uint32_t>(m.distance));
                advance = m.length;
            } else {
                writer.Literal(data[pos]);
            }
            finder.Remember(pos, advance);
            pos += advance;
        }
        writer.EndBlock();
    }
    expected = writer.expected();
    return writer.stream();
}

void DeflateTable(std::uint64_t budget) {
    std::printf("%10s %8s %14s %14s %14s\n", "item", "ratio", "one piece", "streaming", "chosen, reused");
    codecs::InflateScratch scratch;
    for (std::size_t size : {std::size_t{2} << 10, std::size_t{16} << 10, std::size_t{64} << 10, std::size_t{256} << 10,
                             std::size_t{1} << 20, std::size_t{4} << 20, std::size_t{16} << 20, std::size_t{64} << 20}) {
        Bytes data = sampledata::TextLikeBytes(size, static_cast<std::uint32_t>(size));
        Bytes packed = sampledata::ZlibDeflate(data);
        auto run = [&](int path) {
            MemorySource source(packed);
            CountingSink sink;
            if (path == 0) codecs::InflateWholeBuffer(source, sink, packed.size(), data.size());
            else if (path == 1) codecs::InflateStreaming(source, sink, data.size());
            else codecs::Inflate(source, sink, packed.size(), data.size(), &scratch);
        };
        // The one-piece path refuses items beyond its memory budget: its column stays empty there.
        char whole[32] = "             -";
        if (codecs::FitsWholeBufferBudget(packed.size(), data.size()))
            std::snprintf(whole, sizeof whole, "%9.0f MB/s", Measure(budget, size, [&] { run(0); }));
        double stream = Measure(budget, size, [&] { run(1); });
        double chosen = Measure(budget, size, [&] { run(2); });
        std::printf("%9zuK %8.2f %s %9.0f MB/s %9.0f MB/s\n", size >> 10,
                    static_cast<double>(packed.size()) / static_cast<double>(size), whole, stream, chosen);
    }
}

// One item of a method other than Deflate, decoded through codecs::Decode.
void MethodLine(const char* name, std::uint64_t budget, std::uint16_t method, std::uint16_t flags,
                const Bytes& packed, const Bytes& expected) {
    auto once = [&] {
        MemorySource source(packed);
        CountingSink sink;
        codecs::Decode(method, flags, source, sink, packed.size(), expected.size());
        if (sink.total != expected.size()) std::abort();
    };
    double speed = Measure(budget, expected.size(), once);
    std::printf("%-10s %8.2f %9.0f MB/s\n", name,
                static_cast<double>(packed.size()) / static_cast<double>(expected.size()), speed);
}

}  // namespace

int main(int argc, char** argv) {
    const std::uint64_t budget = (argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 300) << 20;
    const char* what = argc > 2 ? argv[2] : nullptr;
    auto wanted = [&](const char* name) { return what == nullptr || std::strcmp(what, name) == 0; };

    if (wanted("deflate")) DeflateTable(budget);
    // The older methods' items: 1 MiB of text-like data each.
    const Bytes data = sampledata::TextLikeBytes(1 << 20, 7);
    if (wanted("deflate64")) {
        Bytes expected;
        const Bytes packed = Deflate64Of(data, expected);
        MethodLine("deflate64", budget, codecs::kDeflate64, 0, packed, expected);
    }
    if (wanted("implode")) MethodLine("implode", budget, codecs::kImploded, 6, codectest::Implode(data, 6), data);
    if (wanted("reduce")) MethodLine("reduce", budget, codecs::kReducedFactor4, 0, codectest::Reduce(data, 4), data);
    if (wanted("shrink")) MethodLine("shrink", budget, codecs::kShrunk, 0, codectest::Shrink(data), data);
    if (wanted("stored")) MethodLine("stored", budget, codecs::kStored, 0, data, data);
    if (wanted("crc")) {
        Bytes crcData = sampledata::TextLikeBytes(8 << 20, 1);
        volatile std::uint32_t sink = 0;
        double crc =
            Measure(budget * 4, crcData.size(), [&] { sink = codecs::Crc32(0, crcData.data(), crcData.size()); });
        std::printf("CRC-32: %.0f MB/s\n", crc);
    }
    return 0;
}

// Decoding speed of the Deflate paths (whole item in one piece, and
// streaming) for items of several sizes, and of CRC-32. Prints MB/s of output.
// Times are processor time. Usage: codecs_bench [megabytes per measurement, default 300]
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "ReferenceDeflate.h"
#include "SampleData.h"
#include "restoration/codecs/Crc32.h"
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

}  // namespace

int main(int argc, char** argv) {
    const std::uint64_t budget = (argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 300) << 20;
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
        double whole = Measure(budget, size, [&] { run(0); });
        double stream = Measure(budget, size, [&] { run(1); });
        double chosen = Measure(budget, size, [&] { run(2); });
        std::printf("%9zuK %8.2f %9.0f MB/s %9.0f MB/s %9.0f MB/s\n", size >> 10,
                    static_cast<double>(packed.size()) / static_cast<double>(size), whole, stream, chosen);
    }
    Bytes data = sampledata::TextLikeBytes(8 << 20, 1);
    volatile std::uint32_t sink = 0;
    double crc = Measure(budget * 4, data.size(), [&] { sink = codecs::Crc32(0, data.data(), data.size()); });
    std::printf("CRC-32: %.0f MB/s\n", crc);
    return 0;
}

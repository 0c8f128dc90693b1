#include "ReferenceDeflate.h"

#include <stdexcept>

namespace sampledata {

std::vector<std::uint8_t> ZlibDeflate(const std::vector<std::uint8_t>& data, int level, int strategy) {
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, strategy) != Z_OK)
        throw std::runtime_error("the reference encoder would not start");
    std::vector<std::uint8_t> out(deflateBound(&stream, static_cast<uLong>(data.size())) + 16);
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) throw std::runtime_error("the reference encoder did not finish");
    return out;
}

}  // namespace sampledata

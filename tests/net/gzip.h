#pragma once

#include <string>
#include <zlib.h>

namespace kinovra::testing {

// data compressed as a gzip stream, as a server sends it with "Content-Encoding: gzip".
inline std::string Gzip(const std::string& data)
{
    z_stream stream{};
    // A window of 15 bits plus 16 asks for the gzip wrapper.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY)
        != Z_OK)
        return {};
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(done ? stream.total_out : 0);
    deflateEnd(&stream);
    return out;
}

} // namespace kinovra::testing

#include "platform/Zlib.h"

#include <algorithm>
#include <zlib.h>

namespace qor {

namespace {

// zlib counts in uInt; larger inputs are fed in slices of this size.
constexpr std::size_t kSlice = std::size_t{1} << 30;
constexpr std::size_t kChunk = 65536;

// zlib's window-bits argument for each wrapper: 16 + bits accepts the gzip wrapper only.
enum class Wrapper { Zlib, Gzip };

class InflateStream {
public:
    explicit InflateStream(Wrapper wrapper) {
        m_ready = inflateInit2(&m_stream, wrapper == Wrapper::Gzip ? 16 + MAX_WBITS : MAX_WBITS) == Z_OK;
    }
    ~InflateStream() {
        if (m_ready)
            inflateEnd(&m_stream);
    }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;

    bool Ready() const { return m_ready; }
    z_stream& Stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_ready = false;
};

// A zlib stream ends at its end; gzip data may hold several members one after another, each with
// its own header, and all of them belong to the text.
InflateStatus Inflate(std::string_view compressed, std::string& text, std::size_t limit, Wrapper wrapper) {
    text.clear();
    InflateStream inflater(wrapper);
    if (!inflater.Ready())
        return InflateStatus::Corrupt;
    z_stream& stream = inflater.Stream();
    std::string_view rest = compressed;
    char chunk[kChunk];
    for (;;) {
        if (stream.avail_in == 0 && !rest.empty()) {
            const std::size_t slice = std::min(rest.size(), kSlice);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rest.data()));
            stream.avail_in = static_cast<uInt>(slice);
            rest.remove_prefix(slice);
        }
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        const int status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = sizeof chunk - stream.avail_out;
        if (produced > limit - text.size()) {
            text.clear();
            return InflateStatus::TooLarge;
        }
        text.append(chunk, produced);
        if (status == Z_STREAM_END) {
            if (wrapper == Wrapper::Zlib || (stream.avail_in == 0 && rest.empty()))
                return InflateStatus::Ok;
            if (inflateReset(&stream) != Z_OK) {
                text.clear();
                return InflateStatus::Corrupt;
            }
            continue;
        }
        if (status == Z_OK)
            continue;
        text.clear();
        // With room for output, only a lack of input stops zlib without an error.
        return status == Z_BUF_ERROR ? InflateStatus::Truncated : InflateStatus::Corrupt;
    }
}

} // namespace

InflateStatus InflateZlib(std::string_view compressed, std::string& text, std::size_t limit) {
    return Inflate(compressed, text, limit, Wrapper::Zlib);
}

InflateStatus InflateGzip(std::string_view compressed, std::string& text, std::size_t limit) {
    if (compressed.empty()) {
        text.clear();
        return InflateStatus::Truncated;
    }
    return Inflate(compressed, text, limit, Wrapper::Gzip);
}

std::string DeflateZlib(std::string_view text) {
    z_stream stream{};
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK)
        return {};
    std::string out;
    std::string_view rest = text;
    char chunk[kChunk];
    int status = Z_OK;
    do {
        if (stream.avail_in == 0 && !rest.empty()) {
            const std::size_t slice = std::min(rest.size(), kSlice);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rest.data()));
            stream.avail_in = static_cast<uInt>(slice);
            rest.remove_prefix(slice);
        }
        const int flush = rest.empty() ? Z_FINISH : Z_NO_FLUSH;
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = deflate(&stream, flush);
        out.append(chunk, sizeof chunk - stream.avail_out);
    } while (status != Z_STREAM_END && status != Z_STREAM_ERROR);
    deflateEnd(&stream);
    return status == Z_STREAM_END ? out : std::string();
}

} // namespace qor

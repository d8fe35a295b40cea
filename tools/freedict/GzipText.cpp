#include "freedict/GzipText.h"

#include <algorithm>
#include <zlib.h>

namespace qor::freedict {

namespace {

constexpr std::size_t kSlice = std::size_t{1} << 30; // zlib counts in uInt
constexpr std::size_t kChunk = 65536;
constexpr int kGzipWindow = 16 + MAX_WBITS; // accept the gzip wrapper only

class GzipInflater {
public:
    GzipInflater() { m_ready = inflateInit2(&m_stream, kGzipWindow) == Z_OK; }
    ~GzipInflater() {
        if (m_ready)
            inflateEnd(&m_stream);
    }
    GzipInflater(const GzipInflater&) = delete;
    GzipInflater& operator=(const GzipInflater&) = delete;

    bool Ready() const { return m_ready; }
    z_stream& Stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_ready = false;
};

} // namespace

InflateStatus InflateGzip(std::string_view compressed, std::string& text, std::size_t limit) {
    text.clear();
    if (compressed.empty())
        return InflateStatus::Truncated;
    GzipInflater inflater;
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
            if (stream.avail_in == 0 && rest.empty())
                return InflateStatus::Ok;
            // gzip allows members one after another; each starts with its own header.
            if (inflateReset(&stream) != Z_OK) {
                text.clear();
                return InflateStatus::Corrupt;
            }
            continue;
        }
        if (status == Z_OK)
            continue;
        text.clear();
        return status == Z_BUF_ERROR ? InflateStatus::Truncated : InflateStatus::Corrupt;
    }
}

} // namespace qor::freedict

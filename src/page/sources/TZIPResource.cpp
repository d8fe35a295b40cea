#include "page/sources/TZIPResource.h"

#include "page/sources/EmbeddedData.h"
#include "platform/Zlib.h"

namespace qor {

bool TZIPResource::Create(int id) {
    const std::optional<std::string_view> block = FindEmbeddedData(std::to_string(id));
    if (!block) {
        m_data.clear();
        m_position = 0;
        return false;
    }
    return Open(*block);
}

bool TZIPResource::Open(std::string_view compressed) {
    m_position = 0;
    return InflateZlib(compressed, m_data, kMaxBlockBytes) == InflateStatus::Ok;
}

std::string TZIPResource::ReadLine() {
    const std::size_t start = std::min(m_position, m_data.size());
    std::size_t end = start;
    while (end < m_data.size() && static_cast<unsigned char>(m_data[end]) >= 32)
        ++end;
    std::string line = m_data.substr(start, end - start);
    if (end + 1 < m_data.size() && m_data[end] == '\r' && m_data[end + 1] == '\n')
        m_position = end + 2;
    else
        m_position = std::min(end + 1, m_data.size());
    return line;
}

} // namespace qor

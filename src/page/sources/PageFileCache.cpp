#include "page/sources/PageFileCache.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace qor {

const std::string* PageFileCache::Find(const NativeFileInfo& file) const {
    for (const Entry& entry : m_entries) {
        if (entry.file.path == file.path) {
            return entry.file.identity == file.identity ? &entry.bytes : nullptr;
        }
    }
    return nullptr;
}

void PageFileCache::Keep(const NativeFileInfo& file, std::string bytes) {
    auto kept = std::find_if(m_entries.begin(), m_entries.end(),
                             [&](const Entry& entry) { return entry.file.path == file.path; });
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    if (bytes.size() > kMaxFileBytes || file.identity.modified > now - kSettleNanoseconds) {
        if (kept != m_entries.end()) { // its old copy is out of date
            m_entries.erase(kept);
            m_next = m_next < m_entries.size() ? m_next : 0;
        }
        return;
    }
    Entry* slot = kept != m_entries.end() ? &*kept : nullptr;
    if (slot == nullptr) {
        if (m_entries.size() < kMaxFiles) {
            slot = &m_entries.emplace_back();
        } else {
            slot = &m_entries[m_next];
            m_next = (m_next + 1) % kMaxFiles;
        }
    }
    slot->file = file;
    slot->bytes = std::move(bytes);
}

void PageFileCache::Clear() {
    m_entries.clear();
    m_next = 0;
}

} // namespace qor

#pragma once
// The bytes of the page files read last. A page is often shown again and again — a query shows
// its page for every word, a series its exercise page for every item — and an unchanged file is
// then not read again: its identity (file, size, times) is checked with the look-up that finds it.
// File times are coarse (a few milliseconds on Linux, two seconds on a FAT stick), so a file
// written in place within one tick could keep its identity: a file written in the last few seconds
// is therefore not kept, and is read every time until it has settled.

#include "platform/WinPath.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qor {

class PageFileCache {
public:
    static constexpr std::size_t kMaxFiles = 16;
    static constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20; // larger files are not kept
    static constexpr std::int64_t kSettleNanoseconds = std::int64_t{5'000'000'000};

    // The kept bytes of `file` when it is unchanged since they were kept; null otherwise.
    const std::string* Find(const NativeFileInfo& file) const;
    // Keeps the bytes read from `file`, in place of its older copy or of the oldest file; not when
    // the file is large or has not settled.
    void Keep(const NativeFileInfo& file, std::string bytes);
    void Clear();
    std::size_t Count() const { return m_entries.size(); }

private:
    struct Entry {
        NativeFileInfo file;
        std::string bytes;
    };
    std::vector<Entry> m_entries;
    std::size_t m_next = 0; // the slot the next new file replaces once all are taken
};

} // namespace qor

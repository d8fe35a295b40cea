#include "app/DebugLog.h"

#include "platform/Cp1252.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace qor {

namespace {

struct KeptLines {
    std::mutex mutex;
    std::deque<std::string> lines;
};

KeptLines& Kept() {
    static KeptLines kept;
    return kept;
}

} // namespace

void DebugLog(std::string_view line) {
    {
        KeptLines& kept = Kept();
        std::lock_guard lock(kept.mutex);
        kept.lines.emplace_back(line);
        if (kept.lines.size() > kKeptDebugLines)
            kept.lines.pop_front();
    }
    // Read on every call so a developer can switch it on for a single test run.
    if (std::getenv("QOR_DEBUG_LOG")) {
        std::string text = Utf8FromCp1252(line) + "\n";
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
}

std::vector<std::string> RecentDebugLog() {
    KeptLines& kept = Kept();
    std::lock_guard lock(kept.mutex);
    return {kept.lines.begin(), kept.lines.end()};
}

void ClearDebugLog() {
    KeptLines& kept = Kept();
    std::lock_guard lock(kept.mutex);
    kept.lines.clear();
}

} // namespace qor

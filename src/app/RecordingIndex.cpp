#include "app/RecordingIndex.h"

#include "platform/Cp1252.h"

namespace qor {

std::optional<std::string> FixedRecordingIndex::Find(std::string_view text) const {
    for (const auto& [entryText, path] : m_entries)
        if (SameTextInsensitive(entryText, text))
            return path;
    return std::nullopt;
}

namespace {

const RecordingIndex*& InstalledIndex() {
    static const RecordingIndex* index = nullptr;
    return index;
}

} // namespace

const RecordingIndex& CurrentRecordingIndex() {
    static const FixedRecordingIndex empty;
    const RecordingIndex* index = InstalledIndex();
    return index ? *index : empty;
}

void SetCurrentRecordingIndex(const RecordingIndex* index) {
    InstalledIndex() = index;
}

} // namespace qor

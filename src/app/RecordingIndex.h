#pragma once
// What the recording routines need of the recording index: the stored path of a text.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor {

class RecordingIndex {
public:
    virtual ~RecordingIndex() = default;
    // The stored path (usually with a folder prefix such as "XF:") of the recording of `text`.
    virtual std::optional<std::string> Find(std::string_view text) const = 0;
};

// A fixed list of (text, path) pairs, matched without regard to case: tests, and the start-up
// sequence's recorded objects.
class FixedRecordingIndex : public RecordingIndex {
public:
    FixedRecordingIndex() = default;
    explicit FixedRecordingIndex(std::vector<std::pair<std::string, std::string>> entries)
        : m_entries(std::move(entries)) {}
    void Add(std::string text, std::string path) { m_entries.emplace_back(std::move(text), std::move(path)); }
    std::optional<std::string> Find(std::string_view text) const override;

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};

// The process-wide index the recording routines use by default (empty until one is installed).
const RecordingIndex& CurrentRecordingIndex();
void SetCurrentRecordingIndex(const RecordingIndex* index); // not owned; nullptr restores the empty one

} // namespace qor

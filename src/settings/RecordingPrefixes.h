#pragma once
// What the data-folder dialog asks of the recording index: whether recordings lie in a folder,
// and moving them behind a prefix ("C:\Aufnahmen\" → "XU:").

#include <string_view>

namespace qor {

class RecordingPrefixes {
public:
    virtual ~RecordingPrefixes() = default;
    // Whether any entry's file path starts with `prefix`.
    virtual bool AnyPathStartsWith(std::string_view prefix) const = 0;
    // Replaces `from` by `to` at the start of every entry's path; the number of entries changed.
    virtual int RebasePrefix(std::string_view from, std::string_view to) = 0;
};

} // namespace qor

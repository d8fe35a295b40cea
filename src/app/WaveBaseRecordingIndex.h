#pragma once
// The recording index as the word playback looks things up in it.

#include "app/RecordingIndex.h"
#include "sound/TXWaveBase.h"

namespace qor {

class WaveBaseRecordingIndex : public RecordingIndex {
public:
    explicit WaveBaseRecordingIndex(const TXWaveBase& base) : m_base(base) {}

    std::optional<std::string> Find(std::string_view text) const override {
        std::string path = m_base.Find(text);
        if (path.empty())
            return std::nullopt;
        return path;
    }

private:
    const TXWaveBase& m_base;
};

} // namespace qor

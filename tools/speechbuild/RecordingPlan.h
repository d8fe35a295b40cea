#pragma once
// What the shipped content needs to be heard: one recording per French text (the lab's sentences
// at two speeds, the vocabulary's headwords and French meanings, the verbs' infinitives, the
// game's words) and the recording index that finds each of them. Texts are Windows-1252.

#include "sound/WaveBaseFile.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qor::speech {

struct PlannedRecording {
    std::string spoken; // what the voice says
    int rate = 0;       // words per minute
    std::string path;   // as stored, "XF:\LA\1\Lab__1a.ogg"
};

class RecordingPlan {
public:
    // Every sentence at the slow speed under its stored path and at the normal speed under the
    // path beside it; the index finds the sentence's normal recording.
    void AddSentenceCollection(std::string_view collection);
    // Every French headword, and the French meanings of German→French entries, of a library.
    void AddLibrary(std::string_view ascBytes);
    // The infinitives of the verb table (the block's lines).
    void AddVerbTable(const std::vector<std::string>& lines);
    // The French words of the game's pair file (tab-separated: French, German, decoy).
    void AddGamePairs(std::string_view pairs);
    // The texts of a page's speech links (HREF="sprich:...", as the course pages offer examples).
    void AddPageSpeechLinks(std::string_view page);
    // One French text: its recording (shared by texts that sound alike) and its index entry.
    void AddText(std::string_view text);

    const std::vector<PlannedRecording>& Recordings() const { return m_recordings; }
    const std::vector<WaveBaseEntry>& Index() const { return m_index; }

private:
    void AddRecording(std::string_view spoken, int rate, const std::string& path);
    void AddIndexEntry(std::string_view text, const std::string& path);

    std::vector<PlannedRecording> m_recordings;
    std::unordered_map<std::string, std::size_t> m_recordingByPath;
    std::vector<WaveBaseEntry> m_index;
    std::unordered_map<std::string, std::size_t> m_indexByText; // lower-case texts
};

// A stable file name for spoken words: the same text at the same speed keeps its name.
std::string WordRecordingPath(std::string_view spoken, int rate);

// 64-bit FNV-1a of `text`, as 16 hex digits: file names and cache keys.
std::string HashHex(std::string_view text);

} // namespace qor::speech

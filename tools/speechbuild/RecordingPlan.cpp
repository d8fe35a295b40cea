#include "speechbuild/RecordingPlan.h"

#include "page/controls/PageLinkNames.h"
#include "platform/Cp1252.h"
#include "sound/SpeechSynthesizer.h"
#include "sound/SpeechText.h"
#include "vocab/AscFile.h"
#include "vocab/VocText.h"
#include "vocab/lab/SentenceCollection.h"
#include "vocab/verbs/VerbTable.h"

#include <cstdint>

namespace qor::speech {

namespace {

// A meaning's remark in square brackets, at its start or its end, is not part of what is heard
// (the answer pages show it apart and look up the rest).
std::string WithoutRemark(std::string_view meaning) {
    const std::size_t close = meaning.find(']');
    const std::size_t open = meaning.rfind('[');
    if (meaning.starts_with('[') && close != std::string_view::npos)
        return vocab::Trim(meaning.substr(close + 1));
    if (meaning.ends_with(']') && open != std::string_view::npos)
        return vocab::Trim(meaning.substr(0, open));
    return vocab::Trim(meaning);
}

// "(la) maison (f)" is also looked up as the dictionary writes it, "maison (f)".
std::string WithoutLeadingArticle(std::string_view headword) {
    for (std::string_view article : {"(le) ", "(la) ", "(les) ", "(l')"})
        if (headword.starts_with(article))
            return std::string(headword.substr(article.size()));
    return {};
}

} // namespace

std::string HashHex(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i) {
        hex[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
        hash >>= 4;
    }
    return hex;
}

std::string WordRecordingPath(std::string_view spoken, int rate) {
    return "XF:\\WO\\" + HashHex(std::to_string(rate) + "|" + std::string(spoken)) + ".ogg";
}

void RecordingPlan::AddRecording(std::string_view spoken, int rate, const std::string& path) {
    if (spoken.empty() || m_recordingByPath.count(LowerCp1252(path)))
        return;
    m_recordingByPath.emplace(LowerCp1252(path), m_recordings.size());
    m_recordings.push_back({std::string(spoken), rate, path});
}

void RecordingPlan::AddIndexEntry(std::string_view text, const std::string& path) {
    const std::string trimmed = TrimmedWaveText(text);
    if (trimmed.empty() || !m_indexByText.emplace(LowerCp1252(trimmed), m_index.size()).second)
        return;
    m_index.emplace_back(trimmed, path);
}

void RecordingPlan::AddText(std::string_view text) {
    const std::string spoken = SpokenText(text);
    if (spoken.empty())
        return;
    const std::string path = WordRecordingPath(spoken, kSpeechRateNormal);
    AddRecording(spoken, kSpeechRateNormal, path);
    AddIndexEntry(text, path);
    if (std::string bare = WithoutLeadingArticle(TrimmedWaveText(text)); !bare.empty())
        AddIndexEntry(bare, path);
}

void RecordingPlan::AddSentenceCollection(std::string_view collection) {
    for (const TThema& theme : ReadSentenceCollectionText(collection)) {
        for (int i = 0; i < theme.Saetze.Count(); ++i) {
            const TSatz& sentence = theme.Saetze.At(i);
            if (sentence.Aufnahme.empty())
                continue;
            const std::string normal = NormalSpeedPath(sentence.Aufnahme);
            AddRecording(sentence.Franzoesisch, kSpeechRateSlow, sentence.Aufnahme);
            AddRecording(sentence.Franzoesisch, kSpeechRateNormal, normal);
            AddIndexEntry(sentence.Franzoesisch, normal);
        }
    }
}

void RecordingPlan::AddLibrary(std::string_view ascBytes) {
    for (const TVokabel& entry : ParseAsc(ascBytes).entries) {
        if (!entry.Deutsch) {
            AddText(entry.Vokabel);
            continue;
        }
        std::string meanings = entry.Bedeutung0;
        if (!entry.Bedeutung1.empty())
            meanings += "; " + entry.Bedeutung1;
        for (const std::string& meaning : vocab::SplitMeaningList(meanings))
            AddText(WithoutRemark(meaning));
    }
}

void RecordingPlan::AddVerbTable(const std::vector<std::string>& lines) {
    for (const TVerb& verb : ParseVerbTable(lines))
        AddText(verb.infinitive);
}

void RecordingPlan::AddPageSpeechLinks(std::string_view page) {
    const std::string lower = LowerCp1252(page);
    constexpr std::string_view kOpening = "href=\"";
    for (std::size_t at = lower.find(kOpening); at != std::string::npos; at = lower.find(kOpening, at + 1)) {
        const std::size_t start = at + kOpening.size();
        const std::size_t end = page.find('"', start);
        if (end == std::string_view::npos)
            return;
        const std::string text = SpeechLinkText(page.substr(start, end - start));
        if (!text.empty())
            AddText(text);
    }
}

void RecordingPlan::AddGamePairs(std::string_view pairs) {
    std::size_t start = 0;
    while (start < pairs.size()) {
        std::size_t end = pairs.find('\n', start);
        if (end == std::string_view::npos)
            end = pairs.size();
        std::string_view line = pairs.substr(start, end - start);
        const std::size_t tab = line.find('\t');
        AddText(vocab::Trim(line.substr(0, tab)));
        start = end + 1;
    }
}

} // namespace qor::speech

// What the editor and the query do to the library as a whole: sort, shuffle, duplicates, reversed
// copies, search, the shown name and the learner's scores.
#include "platform/AppMessage.h"
#include "platform/Collation.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"
#include "vocab/VocText.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

constexpr int kSearchFields = 5;
constexpr std::size_t kLongestWholeName = 34;
constexpr std::size_t kShortNameHead = 16;
constexpr std::size_t kTailWithoutFolder = 18;

std::string SortKey(const TVokabel& entry) {
    return entry.Vokabel + std::to_string(entry.Wortart) + entry.Bedeutung0 + entry.Bedeutung1;
}

std::string AllMeanings(const TVokabel& entry) {
    std::string all = entry.Bedeutung0;
    if (!entry.Bedeutung1.empty())
        all += "; " + entry.Bedeutung1;
    return all;
}

bool AreTwins(const TVokabel& a, const TVokabel& b) {
    return a.Vokabel == b.Vokabel && a.Wortart == b.Wortart &&
           vocab::SameMeaningSets(AllMeanings(a), AllMeanings(b));
}

const std::string& SearchField(const TVokabel& entry, int field) {
    switch (field) {
    case 0:
        return entry.Vokabel;
    case 1:
        return entry.Bedeutung0;
    case 2:
        return entry.Bedeutung1;
    case 3:
        return entry.Kontext0;
    default:
        return entry.Kontext1;
    }
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from, bool caseSensitive) {
    if (from > text.size())
        return std::string_view::npos;
    return caseSensitive ? text.find(needle, from) : FindInsensitive(text, needle, from);
}

// Classic two-index quicksort with the middle element as pivot; the keys travel with the entries.
void QuickSort(std::vector<TVokabel>& entries, std::vector<std::string>& keys, int offset, int left,
               int right) {
    do {
        int i = left;
        int j = right;
        const std::string pivot = keys[(left + right) / 2 - offset];
        do {
            while (CompareCollated(keys[i - offset], pivot) < 0)
                ++i;
            while (CompareCollated(keys[j - offset], pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(entries[i], entries[j]);
                std::swap(keys[i - offset], keys[j - offset]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j)
            QuickSort(entries, keys, offset, left, j);
        left = i;
    } while (left < right);
}

} // namespace

// [SECTION] Order

void TBibliothek::Sort(int from, int to) {
    if (Count(CountMode::Full) <= 1)
        return;
    if (to == -1)
        to = Count() - 1;
    from = std::max(from, 0);
    to = std::min(to, Count(CountMode::Full) - 1);
    if (from < to) {
        std::vector<std::string> keys;
        for (int i = from; i <= to; ++i)
            keys.push_back(SortKey(m_entries[i]));
        QuickSort(m_entries, keys, from, from, to);
    }
    m_changed = true;
}

void TBibliothek::Shuffle() {
    const int count = Count();
    if (count < 4)
        return;
    for (int done = 0; done < count;) {
        const int i = RandomBelow(count);
        const int j = RandomBelow(count);
        if (i == j)
            continue;
        std::swap(m_entries[i], m_entries[j]);
        ++done;
    }
    m_changed = true;
}

int TBibliothek::RemoveDuplicates(Report report, const ProcessMessages& processMessages) {
    if (Count(CountMode::Full) <= 1) {
        if (report == Report::Show)
            ShowAppMessage("Nicht genug Vokabeln!");
        return 0;
    }
    int removed = 0;
    for (int i = 1; i < Count(CountMode::Full);) {
        if (AreTwins(m_entries[i - 1], m_entries[i])) {
            m_entries.erase(m_entries.begin() + i);
            ++removed;
        } else {
            ++i;
        }
        if (processMessages)
            processMessages();
    }
    if (removed > 0) {
        EnsureTrailingBlank();
        m_current = std::min(m_current, Count(CountMode::Full) - 1);
        m_changed = true;
    }
    return removed;
}

void TBibliothek::AddReversedCopies(const ProcessMessages& processMessages) {
    DropTrailingBlank();
    const std::size_t sources = m_entries.size();
    m_entries.reserve(sources * 2 + 1);
    for (std::size_t i = 0; i < sources; ++i) {
        const TVokabel& source = m_entries[i];
        TVokabel copy;
        copy.Vokabel = source.Bedeutung0;
        copy.Bedeutung0 = source.Vokabel;
        copy.Deutsch = !source.Deutsch;
        copy.Wortart = source.Wortart;
        copy.Schwierigkeit = source.Schwierigkeit;
        m_entries.push_back(std::move(copy));
        if (processMessages)
            processMessages();
    }
    EnsureTrailingBlank();
    m_changed = true;
}

// [SECTION] Search and names

void TBibliothek::SearchNext(VocSearch& search) const {
    search.found = false;
    const int full = Count(CountMode::Full);
    if (search.text.empty() || full == 0)
        return;
    int entry = search.entry;
    int field = search.field;
    std::size_t from = static_cast<std::size_t>(std::max(search.position, 0)); // one past the last hit
    if (entry < 0 || entry >= full || field < 0 || field >= kSearchFields) {
        entry = 0;
        field = 0;
        from = 0;
    }
    const int start = entry;
    bool startSeenAgain = false;
    while (true) {
        for (; field < kSearchFields; ++field, from = 0) {
            const std::size_t hit =
                FindText(SearchField(m_entries[entry], field), search.text, from, search.caseSensitive);
            if (hit != std::string_view::npos) {
                search.found = true;
                search.entry = entry;
                search.field = field;
                search.position = static_cast<int>(hit) + 1;
                return;
            }
        }
        if (startSeenAgain)
            return;
        entry = (entry + 1) % full;
        field = 0;
        from = 0;
        startSeenAgain = entry == start;
    }
}

std::string LibraryDisplayName(std::string_view fileName) {
    if (fileName.empty())
        return "Unbenannt";
    if (fileName.size() <= kLongestWholeName)
        return std::string(fileName);
    const std::size_t separator = fileName.find_last_of("\\/");
    // Without a folder the tail would repeat the head, so the end of the name stands in for it.
    const std::string_view tail = separator == std::string_view::npos
                                      ? fileName.substr(fileName.size() - kTailWithoutFolder)
                                      : fileName.substr(separator);
    return std::string(fileName.substr(0, kShortNameHead)) + " ... " + std::string(tail);
}

std::string TBibliothek::DisplayName() const {
    return LibraryDisplayName(m_fileName);
}

// [SECTION] Scores

void TBibliothek::ComputeScores() {
    m_averageScore = 0;
    if (!m_users || !m_users->IsLoggedIn())
        return;
    const int count = Count();
    if (count == 0)
        return;
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        TVokabel& entry = m_entries[i];
        const VocDirection direction = entry.Deutsch ? VocDirection::Deutsch : VocDirection::Fremd;
        entry.Score = m_users->VocScore(entry.Vokabel, direction, entry.Wortart).score;
        sum += entry.Score;
    }
    m_averageScore = static_cast<int>(std::nearbyint(sum / count));
}

} // namespace qor

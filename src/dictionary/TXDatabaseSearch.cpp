#include "dictionary/TXDatabase.h"
#include "platform/Cp1252.h"
#include "vocab/TrainingPage.h"

#include <algorithm>

namespace qor {

void TXDatabase::Search(std::string_view text, WholeWords wholeWords, TermLanguage term, SearchScope scope) {
    m_results.clear();
    m_resultPosition = 0;
    if (text.empty())
        return;
    if (scope == SearchScope::BothHalves) {
        for (const Half& half : m_halves) {
            for (const auto& entry : half.entries) {
                if (ResultCount() >= kMaxPageResults)
                    return;
                if (TextMatches(entry->Vokabel + " " + entry->Bedeutung, text, wholeWords))
                    m_results.push_back(entry.get());
            }
        }
        return;
    }
    // The headword is in the term's language when a German term meets the German-French half or a
    // French term the French-German half.
    bool inHeadword = (term == TermLanguage::German) == IsGermanFrench();
    for (const auto& entry : Current().entries) {
        if (TextMatches(inHeadword ? entry->Vokabel : entry->Bedeutung, text, wholeWords))
            m_results.push_back(entry.get());
    }
}

void TXDatabase::PageSearch(TrainingPage& page, const MacroReader& readMacro) {
    m_page = &page;
    WholeWords wholeWords = page.TestCondition("ganze") ? WholeWords::Yes : WholeWords::No;
    std::string text = readMacro ? readMacro("Suchen") : std::string();
    Search(text, wholeWords, TermLanguage::French, SearchScope::BothHalves);
    page.SetCondition("ergebnis", true);
    std::string found;
    if (ResultCount() == 0)
        found = "Kein Eintrag gefunden!";
    else if (ResultCount() == 1)
        found = "1 Eintrag gefunden.";
    else
        found = std::to_string(ResultCount()) + std::string(" Einträge gefunden."_cp);
    page.SetMacro("ergebnis", found);
    ShowResultPage(0);
}

bool TXDatabase::InFrenchHalf(const TXDBEintrag& entry) const {
    const auto& entries = HalfOf(DictionaryDirection::FrenchGerman).entries;
    return std::any_of(entries.begin(), entries.end(), [&](const auto& held) { return held.get() == &entry; });
}

std::string TXDatabase::ResultPageLines(int page) const {
    std::string lines;
    // A page number from a page command may be anything; wide arithmetic keeps it harmless.
    long long begin = page * static_cast<long long>(kResultsPerPage);
    long long end = std::min(begin + kResultsPerPage, static_cast<long long>(ResultCount()));
    for (long long i = std::max(begin, 0LL); i < end; ++i) {
        const TXDBEintrag& entry = Result(static_cast<int>(i));
        const bool frenchHeadword = InFrenchHalf(entry);
        lines += "<+vok>" + LinkedText(entry.Vokabel, m_recording, frenchHeadword) + " <x4><+bed>" +
                 FormatDictionaryMeaning(entry.Bedeutung, m_recording, !frenchHeadword) + "<br>";
    }
    return lines;
}

std::string TXDatabase::ResultPageNavigation(int page) const {
    if (ResultCount() <= kResultsPerPage)
        return std::string();
    int pages = (ResultCount() + kResultsPerPage - 1) / kResultsPerPage;
    std::string navigation;
    for (int i = 1; i <= pages; ++i) {
        if (i > 1)
            navigation += ' ';
        std::string number = std::to_string(i);
        if (i - 1 == page)
            navigation += "[" + number + "]";
        else
            navigation += "<a href=\"" + std::string("§"_cp) + "sr" + number + "\" >" + number + "</a>";
    }
    return navigation;
}

void TXDatabase::ShowResultPage(int page) {
    if (!m_page)
        return;
    m_page->SetMacro("sr", ResultPageLines(page));
    m_page->SetMacro("srnav", ResultPageNavigation(page));
    m_page->LoadPage("wörterbuch.htx"_cp);
}

} // namespace qor

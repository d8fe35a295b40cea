#include "settings/VocOptionenLogic.h"

#include "platform/Cp1252.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"

#include <algorithm>

namespace qor {

std::string OptionsListLine(const TVokabel& entry, bool withScore) {
    std::string line(1, entry.Deutsch ? '\xA7' : '$');
    line += entry.Vokabel;
    if (withScore)
        line += "&" + PercentText(entry.Score);
    return line;
}

std::vector<std::string> OptionsListLines(const TBibliothek& library, bool withScores) {
    std::vector<std::string> lines;
    const int count = library.Count();
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back(OptionsListLine(library.Entry(i), withScores));
    return lines;
}

std::vector<std::string> RangeItems(const TBibliothek& library) {
    std::vector<std::string> items;
    const int count = library.Count();
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items.push_back(std::to_string(i + 1) + "   " + library.Vokabel(i));
    return items;
}

std::string CounterText(int count, bool loggedIn, int averageScore) {
    std::string text = std::to_string(count) + " Vokabeln";
    if (loggedIn && count > 0)
        text += " - Durchschnittliche Performance: " + PercentText(averageScore);
    return text;
}

ProRundeRange TrackProRundeRange(int count, int modus) {
    ProRundeRange range;
    range.maximum = std::min(std::max(count, 6), 100);
    range.enabled = modus == kModusKreuzUndQuer && count > 0;
    return range;
}

RangeSelection SelectRange(int von, int bis, int itemCount) {
    RangeSelection selection;
    selection.enabled = itemCount > 0;
    if (itemCount == 0)
        return {-1, -1, false};
    selection.von = von < 0 || von >= itemCount ? 0 : von;
    selection.bis = selection.von < bis && bis < itemCount ? bis : itemCount - 1;
    return selection;
}

RangeSelection OrderedRange(int von, int bis) {
    if (bis < von)
        std::swap(von, bis);
    return {von, bis, true};
}

ActivityDisplay Activity(int active, int modus, int proRunde) {
    ActivityDisplay display;
    display.ok = active > 0 && !(modus == kModusKreuzUndQuer && active < proRunde);
    display.colour = display.ok ? 0x00FFFF : 0x0000FF; // yellow, red
    display.text = std::to_string(active) + " davon aktiv";
    return display;
}

std::string ScoreExplanation(int maxScore) {
    if (maxScore >= 100)
        return "Es werden alle Vokabeln abgefragt. Der Grenzwert ist inaktiv.";
    if (maxScore <= -100)
        return std::string(
            "Es können nur Vokabeln abgefragt werden, die die letzten 5 Mal falsch gemacht wurden. "
            "Dies dürfte kaum sinnvoll sein."_cp);
    if (maxScore == 0)
        return std::string(
            "Es werden nur Vokabeln abgefragt, die entweder neu sind oder überwiegend falsch gemacht "
            "wurden."_cp);
    if (maxScore > 0)
        return std::string(
            "Es werden nur solche Vokabeln ausgeschlossen, die überwiegend richtig beantwortet wurden "
            "und deshalb über dem Grenzwert liegen."_cp);
    return "Es werden nur Vokabeln abgefragt, die schon mehr oder weniger oft falsch gemacht wurden, "
           "aber keine neuen Vokabeln.";
}

std::string PercentText(int value) {
    return std::to_string(value) + "%";
}

MultipleChoiceLabels MultipleChoiceTexts(int percentage) {
    return {"Multiple Choice " + PercentText(percentage), PercentText(100 - percentage) + " Eintippen"};
}

BInfoTable CountLibraryInfo(const TBibliothek& library) {
    BInfoTable table;
    const int count = library.Count();
    for (int i = 0; i < count; ++i) {
        const TVokabel entry = library.Entry(i);
        BInfoCounts& column = entry.Deutsch ? table.deutschFranzoesisch : table.franzoesischDeutsch;
        if (entry.Wortart >= 0 && entry.Wortart < static_cast<int>(column.wortarten.size())) {
            ++column.wortarten[static_cast<std::size_t>(entry.Wortart)];
            ++column.total;
        }
        if (!entry.Kontext0.empty() || !entry.Kontext1.empty())
            ++column.withContext;
        if (entry.Schwierigkeit >= 0 && entry.Schwierigkeit < static_cast<int>(column.difficulties.size()))
            ++column.difficulties[static_cast<std::size_t>(entry.Schwierigkeit)];
    }
    return table;
}

} // namespace qor

#include "vocab/lab/SentenceCollection.h"

#include "page/sources/TZIPResource.h"
#include "platform/Zlib.h"

namespace qor {

namespace {

constexpr std::string_view kThemeMark = "****";

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The four lines after the French one. They are taken as they come, even when one of them looks
// like a theme line: the record layout decides, not the text.
TSatz ReadRecord(std::string french, TZIPResource& block, const RandomDraw& draw) {
    TSatz satz;
    satz.Franzoesisch = french.empty() ? std::string("FEHLER!") : std::move(french);
    satz.Alternative = block.ReadLine();
    std::string hint = block.ReadLine();
    satz.Hinweis = hint.empty() || hint == " " ? HintMask(satz.Franzoesisch, draw) : std::move(hint);
    satz.Deutsch = block.ReadLine();
    satz.Aufnahme = block.ReadLine();
    return satz;
}

} // namespace

std::vector<TThema> ReadSentenceCollection(TZIPResource& block, const RandomDraw& draw) {
    std::vector<TThema> themes;
    while (!block.AtEnd()) {
        std::string line = block.ReadLine();
        if (line.starts_with(kThemeMark)) {
            themes.push_back(
                TThema{std::string(TrimBlanks(std::string_view(line).substr(kThemeMark.size()))), {}});
            continue;
        }
        if (line.empty() && block.AtEnd())
            break;
        TSatz satz = ReadRecord(std::move(line), block, draw);
        if (!themes.empty())
            themes.back().Saetze.Add(std::move(satz));
    }
    return themes;
}

std::vector<TThema> ReadSentenceCollectionText(std::string_view text, const RandomDraw& draw) {
    TZIPResource block;
    if (!block.Open(DeflateZlib(text)))
        return {};
    return ReadSentenceCollection(block, draw);
}

std::string NormalSpeedPath(std::string_view slowPath) {
    std::string path(slowPath);
    if (path.size() > 4 && path[path.size() - 5] == 'a')
        path[path.size() - 5] = 'b';
    return path;
}

} // namespace qor

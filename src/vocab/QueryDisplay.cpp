#include "vocab/QueryDisplay.h"

#include "page/controls/PageLinkNames.h"
#include "platform/Cp1252.h"
#include "vocab/VocText.h"

#include <array>

namespace qor {

namespace {

constexpr std::array<std::string_view, 6> kWortartNames = {"Nomen",        "Verb",         "Adjektiv",
                                                           "Kleines Wort", "Rw. mit Verb", "Rw. ohne Verb"};
constexpr std::array<std::string_view, 6> kClassTags = {"[Nomen]",    "[Verb]",        "[Adj./Adv.]",
                                                        "[kl. Wort]", "[Redewendung]", "[Redewendung]"};

// One French meaning of the answer page: its remark ("[ugs.] bouffer", "bouffer [ugs.]") goes in
// front in the comment style, the rest is linked to its recording.
std::string MeaningDisplay(std::string_view meaning, const RecordingLookup& lookup) {
    std::string remark;
    std::string rest(meaning);
    const std::size_t close = meaning.find(']');
    const std::size_t open = meaning.rfind('[');
    if (meaning.starts_with('[') && close != std::string_view::npos) {
        remark = meaning.substr(0, close + 1);
        rest = vocab::Trim(meaning.substr(close + 1));
    } else if (meaning.ends_with(']') && open != std::string_view::npos) {
        remark = meaning.substr(open);
        rest = vocab::Trim(meaning.substr(0, open));
    }
    std::string shown;
    if (!remark.empty())
        shown = "<+kommentar>" + remark + "<+normal> ";
    return shown + RecordingLink(rest, lookup, LinkEnd::Blank);
}

} // namespace

std::string JoinAnswers(const std::vector<std::string>& answers) {
    std::string joined;
    for (const std::string& answer : answers) {
        if (!joined.empty())
            joined += "; ";
        joined += answer;
    }
    return joined;
}

std::string_view WortartName(int wortart) {
    return wortart >= 0 && wortart < static_cast<int>(kWortartNames.size()) ? kWortartNames[wortart]
                                                                            : std::string_view();
}

std::string_view ClassTag(int wortart) {
    return wortart >= 0 && wortart < static_cast<int>(kClassTags.size()) ? kClassTags[wortart]
                                                                         : std::string_view();
}

std::string RecordingLink(std::string_view word, const RecordingLookup& lookup, LinkEnd end, bool french) {
    const std::string path = lookup ? lookup(word) : std::string();
    if (path.empty() || (!french && !SpeechLinkText(path).empty()))
        return std::string(word);
    return "<a href=\"" + path + "\" " + ">" + std::string(word) + (end == LinkEnd::Blank ? " </a>" : "</a>");
}

std::string EntryDisplay(const TVokabel& entry, const RecordingLookup& lookup) {
    std::string meanings = entry.Bedeutung0;
    if (!entry.Bedeutung1.empty())
        meanings += "; " + entry.Bedeutung1;
    std::string shownMeanings;
    if (entry.Deutsch) {
        for (const std::string& meaning : vocab::SplitMeaningList(meanings)) {
            if (!shownMeanings.empty())
                shownMeanings += "; ";
            shownMeanings += MeaningDisplay(meaning, lookup);
        }
    } else {
        shownMeanings = meanings;
    }
    return "<+normal>" + RecordingLink(entry.Vokabel, lookup, LinkEnd::Blank, !entry.Deutsch) + " <+kommentar> " +
           std::string(ClassTag(entry.Wortart)) + "<p><+normal>" + shownMeanings;
}

std::string ChoiceLink(const TVokabel& choice, int k) {
    if (k == 0)
        return std::string("<a href=\"§[vokabel+]\" >"_cp) + choice.Bedeutung0 + "</a>";
    return std::string("<a href=\"§vokabel["_cp) + choice.Bedeutung0 + "]-\" " + ">" + choice.Bedeutung0 +
           "</a>";
}

GapSentence FindGap(std::string_view context) {
    GapSentence result;
    const std::size_t open = context.find_first_of("[(");
    if (open == std::string_view::npos)
        return result;
    const std::size_t close = context.rfind(context[open] == '[' ? ']' : ')');
    if (close == std::string_view::npos || close < open)
        return result;
    result.found = true;
    result.before = context.substr(0, open);
    result.gap = context.substr(open + 1, close - open - 1);
    result.after = context.substr(close + 1);
    return result;
}

GapQuestion MakeGapQuestion(const GapSentence& gap, const TVokabel& entry, bool showMeaning,
                            const RandomDraw& draw) {
    const std::string gapText = vocab::ReplaceAll(gap.gap, "*", entry.Vokabel);
    const std::vector<std::string> answers = AcceptedAnswers(gapText);
    const std::string first = answers.empty() ? std::string() : answers.front();
    GapQuestion question;
    question.tip = showMeaning ? entry.Bedeutung0 : std::string();
    question.aufgabe = gap.before + "<a gap lsg=\"" + JoinAnswers(answers) + "\" help=\"" +
                       HintMask(first, draw) + "\" tip=\"" + question.tip + "\" reaction=\"vokabel\">" +
                       first + "</a>" + gap.after;
    question.context = gap.before + "<u>" + gapText + "</u>" + gap.after;
    return question;
}

AnswerCode ParseAnswerCode(std::string_view code) {
    AnswerCode answer;
    answer.typed = code == "-" || (code.size() >= 2 && code[0] == '#' && code[1] >= '1' && code[1] <= '9');
    answer.right = !code.empty() && code.back() == '+';
    if (!answer.right && code.size() >= 3 && code.starts_with('[') && code.ends_with("]-"))
        answer.wrongText = code.substr(1, code.size() - 3);
    return answer;
}

int ScoreChange(const AnswerCode& answer, int wrongBefore) {
    if (answer.typed)
        return answer.right ? 25 - wrongBefore : -15 - wrongBefore;
    return answer.right ? 12 : -12;
}

bool AskMultipleChoice(int draw, int percent) {
    return draw < percent;
}

int PercentOf(int part, int whole) {
    return whole > 0 ? part * 100 / whole : 0;
}

std::string RoundBar(int percent) {
    return percent > 0 ? "<box coords=50,170," + std::to_string(3 * percent) + ",20 color=balken>"
                       : std::string();
}

std::string OverallBar(int percent) {
    return percent > 0 ? "<box coords=418,170," + std::to_string(3 * percent) + ",20 color=balken>"
                       : std::string();
}

} // namespace qor

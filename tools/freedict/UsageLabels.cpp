#include "freedict/UsageLabels.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <array>
#include <span>

namespace qor::freedict {

namespace {

// The labels in the order they are written.
constexpr std::array<std::string_view, 6> kLabels = {"vulg.", "ugs.", "veraltet", "reg.", "fig.", "abw."};

struct LabelWord {
    std::string_view word; // lower case, Windows-1252
    std::string_view label;
};

// German notes (the German-French half): the words before the first ":".
const LabelWord kGermanWords[] = {
    {"vulgär"_cp, "vulg."},          {"derb", "vulg."},         {"obszön"_cp, "vulg."},
    {"umgangssprachlich", "ugs."},   {"salopp", "ugs."},        {"familiär"_cp, "ugs."},
    {"jugendsprache", "ugs."},       {"veraltet", "veraltet"},  {"veraltend", "veraltet"},
    {"altertümlich"_cp, "veraltet"}, {"regional", "reg."},      {"landschaftlich", "reg."},
    {"österreichisch"_cp, "reg."},   {"schweizerisch", "reg."}, {"süddeutsch"_cp, "reg."},
    {"norddeutsch", "reg."},         {"bairisch", "reg."},      {"übertragen"_cp, "fig."},
    {"figurativ", "fig."},           {"bildlich", "fig."},      {"abwertend", "abw."},
    {"pejorativ", "abw."},
};

// French notes (the French-German half): "(Familier)" groups at the start, or "Familier :".
const LabelWord kFrenchWords[] = {
    {"vulgaire", "vulg."},       {"injurieux", "vulg."},       {"trivial", "vulg."},
    {"grossier", "vulg."},       {"familier", "ugs."},         {"populaire", "ugs."},
    {"argot", "ugs."},           {"vieilli", "veraltet"},      {"désuet"_cp, "veraltet"},
    {"vieux", "veraltet"},       {"archaïsme"_cp, "veraltet"}, {"archaïque"_cp, "veraltet"},
    {"régionalisme"_cp, "reg."}, {"régional"_cp, "reg."},      {"belgique", "reg."},
    {"suisse", "reg."},          {"québec"_cp, "reg."},        {"canada", "reg."},
    {"figuré"_cp, "fig."},       {"sens figuré"_cp, "fig."},   {"péjoratif"_cp, "abw."},
};

constexpr std::size_t kLongestLabelPhrase = 60;
constexpr long kLongestLabelWords = 3;

// Each label word of one short phrase ("besonders süddeutsch", "Argot scolaire") counts; a longer
// one is a sentence of the explanation that happens to hold a colon.
void AddLabelsOfPhrase(std::string_view phrase, std::span<const LabelWord> words, std::string& labels) {
    const std::string lowered = LowerCp1252(TrimmedBlanks(phrase));
    if (std::count(lowered.begin(), lowered.end(), ' ') >= kLongestLabelWords)
        return;
    std::string_view rest = lowered;
    while (!rest.empty()) {
        const std::size_t end = rest.find(' ');
        const std::string_view word = rest.substr(0, end);
        for (const LabelWord& entry : words) {
            if (word == entry.word || lowered == entry.word)
                labels = CombineLabels(labels, entry.label);
        }
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
}

void AddLabelsOfList(std::string_view list, std::span<const LabelWord> words, std::string& labels) {
    while (true) {
        const std::size_t comma = list.find(',');
        AddLabelsOfPhrase(list.substr(0, comma), words, labels);
        if (comma == std::string_view::npos)
            return;
        list.remove_prefix(comma + 1);
    }
}

std::string LabelOfNote(std::string_view note, HeadwordLanguage language) {
    std::string labels;
    const std::span<const LabelWord> words =
        language == HeadwordLanguage::German ? std::span<const LabelWord>(kGermanWords) : kFrenchWords;
    if (language == HeadwordLanguage::French) {
        while (note.starts_with('(')) {
            const std::size_t close = note.find(')');
            if (close == std::string_view::npos)
                break;
            AddLabelsOfList(note.substr(1, close - 1), words, labels);
            note = TrimmedBlanks(note.substr(close + 1));
        }
    }
    const std::size_t colon = note.find(':');
    if (colon != std::string_view::npos && colon <= kLongestLabelPhrase)
        AddLabelsOfList(note.substr(0, colon), words, labels);
    return labels;
}

bool HasLabel(std::string_view labels, std::string_view label) {
    while (!labels.empty()) {
        const std::size_t comma = labels.find(", ");
        if (labels.substr(0, comma) == label)
            return true;
        labels.remove_prefix(comma == std::string_view::npos ? labels.size() : comma + 2);
    }
    return false;
}

bool IsWordCharacter(char c) {
    return c != ' ' && c != '-' && c != '\'' && c != ',' && c != '.' && c != '!' && c != '?' && c != '(' &&
           c != ')';
}

} // namespace

std::string CombineLabels(std::string_view a, std::string_view b) {
    std::string combined;
    for (const std::string_view label : kLabels) {
        if (HasLabel(a, label) || HasLabel(b, label))
            combined += (combined.empty() ? "" : ", ") + std::string(label);
    }
    return combined;
}

std::string UsageLabelOf(const std::vector<std::string>& notes, HeadwordLanguage language) {
    std::string labels;
    for (const std::string& note : notes)
        labels = CombineLabels(labels, LabelOfNote(note, language));
    return labels;
}

void VulgarWords::Add(std::string_view pattern) {
    const std::string lowered = LowerCp1252(TrimmedBlanks(pattern));
    if (lowered.size() > 1 && lowered.back() == '*')
        m_prefixes.push_back(lowered.substr(0, lowered.size() - 1));
    else if (lowered.size() > 1 && lowered.front() == '*')
        m_suffixes.push_back(lowered.substr(1));
    else if (!lowered.empty())
        m_whole.insert(lowered);
}

bool VulgarWords::Matches(std::string_view text) const {
    const std::string lowered = LowerCp1252(text);
    std::string_view rest = lowered;
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && IsWordCharacter(rest[end]))
            ++end;
        const std::string_view word = rest.substr(0, end);
        if (!word.empty()) {
            if (m_whole.contains(word))
                return true;
            for (const std::string& prefix : m_prefixes)
                if (word.starts_with(prefix))
                    return true;
            for (const std::string& suffix : m_suffixes)
                if (word.ends_with(suffix))
                    return true;
        }
        rest.remove_prefix(std::min(rest.size(), end + 1));
    }
    return false;
}

} // namespace qor::freedict

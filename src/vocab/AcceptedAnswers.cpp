#include "vocab/AcceptedAnswers.h"

#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "vocab/VocText.h"

#include <algorithm>
#include <array>

namespace qor {

namespace {

using namespace std::string_view_literals;

struct GenderMark {
    std::string_view mark;
    std::string_view article;
    bool elides; // "(l')" before a vowel
};

constexpr std::array<GenderMark, 5> kGenderMarks{{
    {" (mpl)", "(les) ", false},
    {" (fpl)", "(les) ", false},
    {" (mf)", "(le/la) ", true},
    {" (m)", "(le) ", true},
    {" (f)", "(la) ", true},
}};

constexpr std::array<std::string_view, 16> kArticles{
    "le "sv, "la "sv, "Le "sv,   "La "sv,   "les "sv,  "Les "sv,  "(l')"sv,   "(L')"sv,
    "l'"sv,  "L'"sv,  "(le) "sv, "(la) "sv, "(Le) "sv, "(La) "sv, "(les) "sv, "(Les) "sv,
};

bool StartsWithVowel(std::string_view text) {
    // "h" is left out on purpose: "(le) héros" keeps its article.
    static const std::string_view vowels = "aeiouáéíóúàèìòùâêîôûAEIOUÁÉÍÓÚÀÈÌÒÙÂÊÎÔÛœ"_cp;
    return !text.empty() && vowels.find(text.front()) != std::string_view::npos;
}

bool StartsWithArticle(std::string_view text) {
    return std::any_of(kArticles.begin(), kArticles.end(),
                       [text](std::string_view article) { return text.starts_with(article); });
}

std::string RemoveRemark(std::string_view piece) {
    std::string text(piece);
    const std::size_t open = text.find('[');
    if (open != std::string::npos) {
        const std::size_t close = text.find(']', open);
        if (close != std::string::npos && close > open + 1)
            text.erase(open, close - open + 1);
    }
    const std::size_t doubleBlank = text.find("  ");
    if (doubleBlank != std::string::npos)
        text.erase(doubleBlank, 1);
    return vocab::Trim(text);
}

struct Group {
    std::size_t open = std::string::npos;
    std::size_t close = std::string::npos;
    bool found() const { return open != std::string::npos; }
};

// The first "(...)" holding at least one character; none when the brackets are empty or reversed.
Group FindGroup(std::string_view text) {
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = text.find(')');
    if (close == std::string_view::npos || close < open + 2)
        return {};
    return {open, close};
}

void AddVariant(std::string variant, std::vector<std::string>& answers) {
    variant = vocab::CollapseDoubleBlanks(vocab::Trim(variant));
    // "Haus; " would otherwise accept an empty gap.
    if (variant.empty())
        return;
    auto add = [&answers](std::string text) {
        if (std::find(answers.begin(), answers.end(), text) == answers.end())
            answers.push_back(std::move(text));
    };
    const std::string_view sharpS = "ß"_cp;
    const bool hasSharpS = variant.find(sharpS) != std::string::npos;
    std::string withSs = hasSharpS ? vocab::ReplaceAll(variant, sharpS, "ss") : std::string();
    add(std::move(variant));
    if (hasSharpS)
        add(std::move(withSs));
}

} // namespace

std::string GenderMarkToArticle(std::string_view piece) {
    for (const GenderMark& gender : kGenderMarks) {
        if (!piece.ends_with(gender.mark))
            continue;
        const std::string_view word = piece.substr(0, piece.size() - gender.mark.size());
        if (StartsWithArticle(word))
            return std::string(word);
        if (gender.elides && StartsWithVowel(word))
            return "(l')" + std::string(word);
        return std::string(gender.article) + std::string(word);
    }
    return std::string(piece);
}

std::vector<std::string> ExpandOptionalParts(std::string_view piece) {
    const std::string text = RemoveRemark(piece);
    const Group first = FindGroup(text);
    if (!first.found())
        return {text};

    const std::string a = text.substr(0, first.open);
    const std::string b = text.substr(first.open + 1, first.close - first.open - 1);
    const std::string rest = text.substr(first.close + 1);
    const Group second = FindGroup(rest);
    if (!second.found()) {
        // A slash inside the brackets offers alternatives: "(le/la) prof".
        const std::size_t slash = b.find('/');
        if (slash != std::string::npos)
            return {a + b.substr(0, slash) + rest, a + b.substr(slash + 1) + rest, a + rest};
        return {a + rest, a + b + rest};
    }

    const std::string c = rest.substr(0, second.open);
    const std::string d = rest.substr(second.open + 1, second.close - second.open - 1);
    const std::string e = rest.substr(second.close + 1);
    const std::size_t slash = d.find('/');
    if (slash != std::string::npos) {
        const std::string d1 = d.substr(0, slash);
        const std::string d2 = d.substr(slash + 1);
        return {a + b + c + d1 + e, a + b + c + d2 + e, a + c + d1 + e,
                a + c + d2 + e,     a + b + c + e,      a + c + e};
    }
    return {a + b + c + d + e, a + c + d + e, a + b + c + e, a + c + e};
}

void AddAcceptedAnswers(std::string_view meaning, std::string_view prefix,
                        std::vector<std::string>& answers) {
    for (const std::string& piece : vocab::SplitMeaningList(meaning)) {
        const std::string withArticle = GenderMarkToArticle(std::string(prefix) + piece);
        for (std::string& variant : ExpandOptionalParts(withArticle))
            AddVariant(std::move(variant), answers);
    }
}

std::vector<std::string> AcceptedAnswers(std::string_view meaning, std::string_view prefix) {
    std::vector<std::string> answers;
    AddAcceptedAnswers(meaning, prefix, answers);
    return answers;
}

std::string HintMask(std::string_view answer, const RandomDraw& draw) {
    if (answer.size() <= 2)
        return std::string(answer.size(), '.');
    constexpr std::string_view alwaysShown = " !',-.?";
    std::string hint(answer);
    const std::size_t last = hint.size() - 1;
    for (std::size_t i = 1; i < hint.size(); ++i) {
        if (i == last && hint.size() > 3)
            continue;
        if (alwaysShown.find(hint[i]) != std::string_view::npos)
            continue;
        if (i <= 3) { // positions 2 to 4 never give a letter away
            hint[i] = '.';
            continue;
        }
        const int value = draw ? draw(5) : RandomBelow(5);
        if (value != 3)
            hint[i] = '.';
    }
    return hint;
}

} // namespace qor

#include "vocab/verbs/VerbTable.h"

#include "page/sources/TZIPResource.h"
#include "platform/Cp1252.h"

namespace qor {

namespace {

constexpr int kAvoir = 0;
constexpr int kEtre = 1;

// Which simple tense each compound tense takes its auxiliary form from.
struct CompoundSource {
    int compound;
    int simple;
};
constexpr CompoundSource kCompoundSources[] = {{8, 0}, {9, 1}, {10, 2}, {11, 3}, {12, 4}, {13, 5}, {15, 7}};

// The persons that the imperative line fills: tu, nous, vous.
constexpr int kImperativePersons[] = {1, 3, 4};

std::vector<std::string_view> SplitItems(std::string_view line) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        items.push_back(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return items;
        start = comma + 1;
    }
}

void ReadHeader(std::string_view line, TVerb& verb) {
    const std::vector<std::string_view> fields = SplitItems(line);
    verb.infinitive = std::string(fields[0]);
    verb.meaning = fields.size() > 1 ? std::string(fields[1]) : std::string();
    verb.auxiliaryAvoir = fields.size() > 2 && fields[2] == "avoir";
}

void StoreTense(TVerb& verb, int tense, const std::vector<TVerbForm>& forms) {
    for (int person = 0; person < kPersonCount; ++person)
        verb.Form(tense, person) = forms[static_cast<std::size_t>(person)];
}

} // namespace

std::string_view TenseName(int tense) {
    static constexpr std::string_view kNames[kTenseCount] = {
        "IND Présent"_cp,     "IND Imparfait",      "Passé simple"_cp,    "Futur",
        "SUB Présent"_cp,     "SUB Imparfait",      "Impératif"_cp,       "Conditionnel",
        "IND Passé comp."_cp, "IND Plus-que-parf.", "Passé antérieur"_cp, "Futur antérieur"_cp,
        "SUB Passé comp."_cp, "SUB Plus-que-parf.", "Participes",         "Cond. passé"_cp,
    };
    return tense >= 0 && tense < kTenseCount ? kNames[tense] : std::string_view();
}

std::string_view PersonPronoun(int person) {
    static constexpr std::string_view kPronouns[kPersonCount] = {"je", "tu", "il", "nous", "vous", "ils"};
    return person >= 0 && person < kPersonCount ? kPronouns[person] : std::string_view();
}

TVerbForm VerbLineDecoder::DecodeItem(std::string_view item) {
    TVerbForm form;
    if (!item.empty() && item.front() == '*') {
        form.regular = false;
        item.remove_prefix(1);
    }
    const std::size_t dash = item.find('-');
    if (item == "-") {
        form.text = "-";
    } else if (dash != std::string_view::npos && dash > 0) {
        m_stem = std::string(item.substr(0, dash));
        form.text = m_stem + std::string(item.substr(dash + 1));
    } else if (item.size() > 1 && item[0] == '-' && item[1] != '-') {
        form.text = m_stem + std::string(item.substr(1));
    } else {
        form.text = std::string(item);
    }
    return form;
}

std::vector<TVerbForm> VerbLineDecoder::Decode(std::string_view line, std::size_t count) {
    std::vector<TVerbForm> forms(count);
    const std::vector<std::string_view> items = SplitItems(line);
    for (std::size_t i = 0; i < count && i < items.size(); ++i)
        forms[i] = DecodeItem(items[i]);
    return forms;
}

std::vector<TVerb> ParseVerbTable(const std::vector<std::string>& lines) {
    std::vector<TVerb> verbs;
    VerbLineDecoder decoder;
    std::size_t next = 0;
    auto line = [&]() -> std::string_view {
        return next < lines.size() ? lines[next++] : std::string_view();
    };
    while (next < lines.size() && static_cast<int>(verbs.size()) < kMaxVerbs) {
        TVerb verb;
        ReadHeader(line(), verb);
        if (verb.infinitive.empty())
            break;
        for (int tense = 0; tense <= 5; ++tense)
            StoreTense(verb, tense, decoder.Decode(line(), kPersonCount));
        const std::vector<TVerbForm> imperative = decoder.Decode(line(), 3);
        for (std::size_t i = 0; i < 3; ++i)
            verb.Form(kTenseImperative, kImperativePersons[i]) = imperative[i];
        StoreTense(verb, kTenseConditional, decoder.Decode(line(), kPersonCount));
        const std::vector<TVerbForm> participles = decoder.Decode(line(), 2);
        verb.Form(kTenseParticiples, 0) = participles[0];
        verb.Form(kTenseParticiples, 1) = participles[1];
        verbs.push_back(std::move(verb));
    }
    AddCompoundTenses(verbs);
    return verbs;
}

std::vector<TVerb> ReadVerbTable(TZIPResource& block) {
    std::vector<std::string> lines;
    while (!block.AtEnd())
        lines.push_back(block.ReadLine());
    return ParseVerbTable(lines);
}

std::vector<TVerb> LoadBuiltInVerbTable() {
    TZIPResource block(TextBlock::Verbs);
    return ReadVerbTable(block);
}

void AddCompoundTenses(std::vector<TVerb>& verbs) {
    if (verbs.size() <= static_cast<std::size_t>(kEtre))
        return;
    // Copies: the auxiliaries themselves get compound tenses too.
    const TVerb avoir = verbs[kAvoir];
    const TVerb etre = verbs[kEtre];
    for (TVerb& verb : verbs) {
        const TVerb& auxiliary = verb.auxiliaryAvoir ? avoir : etre;
        for (const CompoundSource& source : kCompoundSources) {
            for (int person = 0; person < kPersonCount; ++person) {
                std::string text = auxiliary.Form(source.simple, person).text + " " + verb.ParticipePasse();
                // Past participles agree with an "être" subject: the plural gets its "s".
                if (!verb.auxiliaryAvoir && person >= 3)
                    text += "s";
                verb.Form(source.compound, person) = TVerbForm{std::move(text), true};
            }
        }
    }
}

} // namespace qor

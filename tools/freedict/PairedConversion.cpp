#include "freedict/PairedConversion.h"

#include "freedict/WordClassRules.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <array>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace qor::freedict {

namespace {

// [SECTION] Word forms

constexpr std::array<std::string_view, 3> kMarks = {" (m)", " (f)", " (mf)"};

std::string_view MarkOf(std::string_view headword) {
    for (const std::string_view mark : kMarks) {
        if (headword.ends_with(mark))
            return mark;
    }
    if (headword.ends_with(" (mpl)"))
        return " (mpl)";
    if (headword.ends_with(" (fpl)"))
        return " (fpl)";
    return {};
}

bool StartsWithGermanArticle(std::string_view text) {
    return text.starts_with("der ") || text.starts_with("die ") || text.starts_with("das ");
}

char GenderOfArticle(std::string_view text) {
    return text.starts_with("der ")   ? 'm'
           : text.starts_with("die ") ? 'f'
           : text.starts_with("das ") ? 'n'
                                      : 0;
}

std::string_view ArticleOf(char gender) {
    return gender == 'm' ? "der " : gender == 'f' ? "die " : gender == 'n' ? "das " : "";
}

// The forms of a vocabulary text the dictionary should know: the text itself, then what a reader
// would look up: "(la) hauteur (f)" → "hauteur (f)", "grand(e)" → "grand", "der Tag" → "Tag".
std::vector<std::string> FrenchForms(std::string_view text) {
    std::vector<std::string> forms{std::string(text)};
    for (const std::string_view article : {"(le) ", "(la) ", "(les) ", "(l')"}) {
        if (text.starts_with(article) && text.size() > article.size()) {
            text.remove_prefix(article.size());
            forms.emplace_back(text);
            break;
        }
    }
    // A feminine ending written on to the word: "grand(e)", "gentil(le)".
    if (text.ends_with(')')) {
        const std::size_t open = text.rfind('(');
        if (open != std::string_view::npos && open > 0 && text[open - 1] != ' ' && text.size() - open <= 5)
            forms.emplace_back(text.substr(0, open));
    }
    return forms;
}

std::vector<std::string> GermanForms(std::string_view text, int wordClass) {
    std::vector<std::string> forms{std::string(text)};
    if (wordClass == kNoun && StartsWithGermanArticle(text) && text.size() > 4)
        forms.emplace_back(text.substr(4));
    return forms;
}

// [SECTION] Genders of French nouns

// Endings that decide a French noun's gender, longest first; the exceptions are the common words
// that break them.
struct Ending {
    std::string_view ending; // Windows-1252
    std::string_view mark;
};
const Ending kEndings[] = {
    {"tion", " (f)"}, {"sion", " (f)"}, {"xion", " (f)"},  {"ité"_cp, " (f)"}, {"ance", " (f)"},
    {"ence", " (f)"}, {"ette", " (f)"}, {"ude", " (f)"},   {"logie", " (f)"},  {"graphie", " (f)"},
    {"euse", " (f)"}, {"rice", " (f)"}, {"esse", " (f)"},  {"aison", " (f)"},  {"ière"_cp, " (f)"},
    {"isme", " (m)"}, {"ment", " (m)"}, {"age", " (m)"},   {"eau", " (m)"},    {"oir", " (m)"},
    {"ier", " (m)"},  {"ium", " (m)"},  {"iste", " (mf)"},
};
const std::string_view kEndingExceptions[] = {
    "comité"_cp,     "silence",     "squelette",      "page",         "plage",     "image",
    "cage",          "rage",        "nage",           "eau",          "peau",      "jument",
    "dentifrice",    "caprice",     "office",         "service",      "sacrifice", "édifice"_cp,
    "orifice",       "vice",        "calice",         "artifice",     "armistice", "bénéfice"_cp,
    "hospice",       "indice",      "interstice",     "précipice"_cp, "supplice",  "délice"_cp,
    "cicatrice",     "prélude"_cp,  "interlude",      "cimetière"_cp, "invité"_cp, "précipité"_cp,
    "bénédicité"_cp, "retraité"_cp, "traité"_cp,      "coude",        "postlude",  "quartette",
    "quintette",     "derrière"_cp, "condottière"_cp, "altesse",      "bastion",   "cation",
};
const std::string_view kNumerals[] = {
    "un",    "deux",   "trois",   "quatre",   "cinq",      "six",      "sept",   "huit",
    "neuf",  "dix",    "onze",    "douze",    "treize",    "quatorze", "quinze", "seize",
    "vingt", "vingts", "trente",  "quarante", "cinquante", "soixante", "cent",   "cents",
    "mille", "et",     "zéro"_cp, "million",  "milliard",
};

bool IsNumeral(std::string_view word) {
    bool any = false;
    while (!word.empty()) {
        const std::size_t dash = word.find_first_of("- ");
        const std::string_view part = word.substr(0, dash);
        if (std::find(std::begin(kNumerals), std::end(kNumerals), part) == std::end(kNumerals))
            return false;
        any = true;
        word.remove_prefix(dash == std::string_view::npos ? word.size() : dash + 1);
    }
    return any;
}

// "Sekretär" with "Sekretärin": the French word names both sexes.
bool NamesBothSexes(const std::vector<Meaning>& meanings) {
    for (const Meaning& feminine : meanings) {
        if (feminine.text.size() < 4 || !feminine.text.ends_with("in"))
            continue;
        // "Sekretärin" and "Sekretär", "Pneumologin" and "Pneumologe".
        const std::string stem = feminine.text.substr(0, feminine.text.size() - 2);
        for (const Meaning& other : meanings) {
            if (other.text == stem || other.text == stem + "e")
                return true;
        }
    }
    return false;
}

// [SECTION] Helpers on the collected halves

std::string LinkKey(std::string_view headword, std::string_view meaning) {
    std::string key = BareWord(headword);
    key += '\x01';
    key += BareWord(meaning);
    return key;
}

std::unordered_set<std::string> Links(const DictionaryBuilder& half) {
    std::unordered_set<std::string> links;
    for (const CollectedEntry& entry : half.Entries()) {
        for (const Meaning& meaning : entry.meanings)
            links.insert(LinkKey(entry.headword, meaning.text));
    }
    return links;
}

void AddRanked(CollectedEntry& entry, std::string_view text, int rank) {
    for (Meaning& meaning : entry.meanings) {
        if (meaning.text == text) {
            meaning.vocabularyRank = std::min(meaning.vocabularyRank, rank);
            meaning.label.clear(); // the vocabulary's meaning stands as the library writes it
            return;
        }
    }
    Meaning meaning{std::string(text), {}};
    meaning.vocabularyRank = rank;
    entry.meanings.push_back(std::move(meaning));
}

struct Made {
    std::string headword;
    int wordClass;
    std::vector<std::string> bases; // forms of the same pair that FreeDict may know
};

// Entries the pairs make take over the meanings of a base form FreeDict knows ("grand(e)" those
// of "grand"), after their own.
void CopyBaseMeanings(DictionaryBuilder& half, const std::vector<Made>& made) {
    for (const Made& item : made) {
        for (const std::string& base : item.bases) {
            const CollectedEntry* source = half.Find(base, item.wordClass);
            if (!source || base == item.headword)
                continue;
            std::vector<Meaning> meanings;
            for (const Meaning& meaning : source->meanings) {
                if (meaning.vocabularyRank == Meaning::kNoRank)
                    meanings.push_back(meaning);
            }
            half.Add(item.headword, item.wordClass, meanings);
        }
    }
}

void FillFrenchGenders(DictionaryBuilder& frenchGerman, const Supplement& supplement, PairReport& report) {
    std::unordered_map<std::string, std::string> marks; // bare noun → its one mark, "" when several
    auto note = [&](std::string_view headword) {
        const std::string_view mark = MarkOf(headword);
        if (mark.empty())
            return;
        const std::string bare = BareWord(headword);
        auto [position, inserted] = marks.try_emplace(bare, mark);
        if (!inserted && position->second != mark)
            position->second.clear();
    };
    for (const VocabularyPair& pair : supplement.pairs) {
        if (pair.wordClass == kNoun)
            note(pair.french);
    }
    std::unordered_map<std::string, std::string> vocabularyMarks = marks;
    for (const CollectedEntry& entry : frenchGerman.Entries()) {
        if (entry.wordClass == kNoun)
            note(entry.headword);
    }
    auto nounMark = [&](std::string_view word) {
        const auto found = marks.find(std::string(word));
        return found == marks.end() ? std::string() : found->second;
    };
    std::vector<std::pair<std::string, std::string>> renames;
    for (const CollectedEntry& entry : frenchGerman.Entries()) {
        if (entry.wordClass != kNoun || !MarkOf(entry.headword).empty())
            continue;
        const auto known = vocabularyMarks.find(entry.headword);
        std::string mark = known != vocabularyMarks.end() ? known->second : std::string();
        if (mark.empty())
            mark = GuessFrenchGender(entry.headword, entry.meanings, nounMark);
        if (!mark.empty())
            renames.emplace_back(entry.headword, entry.headword + mark);
    }
    frenchGerman.Rename(renames, kNoun);
    report.gendersFound = renames.size();
}

void ApplyPairs(DictionaryBuilder& frenchGerman, DictionaryBuilder& germanFrench,
                const Supplement& supplement, PairReport& report) {
    const int count = static_cast<int>(supplement.pairs.size());
    std::vector<Made> madeFrench, madeGerman;
    for (int i = 0; i < count; ++i) {
        const VocabularyPair& pair = supplement.pairs[static_cast<std::size_t>(i)];
        // An entry's own meanings before those of the entries that name it in their meanings.
        const int frenchRank = (pair.germanFirst ? count : 0) + i;
        const int germanRank = (pair.germanFirst ? 0 : count) + i;
        // What a pair gives a word's other form ("grand" for "grand(e)") comes after what the
        // libraries give that form itself.
        const int otherForm = 2 * count;
        const std::vector<std::string> frenchForms = FrenchForms(pair.french);
        for (const std::string& form : frenchForms) {
            bool created = false;
            AddRanked(frenchGerman.Ensure(form, pair.wordClass, &created), pair.german,
                      frenchRank + (form == pair.french ? 0 : otherForm));
            if (created) {
                madeFrench.push_back({form, pair.wordClass, frenchForms});
                ++report.frenchAdded;
            }
        }
        const std::vector<std::string> germanForms = GermanForms(pair.german, pair.wordClass);
        for (const std::string& form : germanForms) {
            bool created = false;
            CollectedEntry& entry = germanFrench.Ensure(form, pair.wordClass, &created);
            AddRanked(entry, pair.french, germanRank + (form == pair.german ? 0 : otherForm));
            if (form != pair.german && GenderOfArticle(pair.german) != 0)
                entry.gender = GenderOfArticle(pair.german);
            if (created) {
                madeGerman.push_back({form, pair.wordClass, germanForms});
                ++report.germanAdded;
            }
        }
    }
    CopyBaseMeanings(frenchGerman, madeFrench);
    CopyBaseMeanings(germanFrench, madeGerman);
    report.pairs = supplement.pairs.size();
}

// French nouns in the meanings of German nouns get their mark; where the French half has the word
// with two genders ("livre"), the one whose meanings name the German headword.
void MarkFrenchNouns(DictionaryBuilder& germanFrench, const DictionaryBuilder& frenchGerman,
                     PairReport& report) {
    std::unordered_map<std::string, std::vector<const CollectedEntry*>> nouns;
    for (const CollectedEntry& entry : frenchGerman.Entries()) {
        if (entry.wordClass == kNoun && !MarkOf(entry.headword).empty())
            nouns[BareWord(entry.headword)].push_back(&entry);
    }
    for (CollectedEntry& entry : germanFrench.Entries()) {
        if (entry.wordClass != kNoun)
            continue;
        const std::string headword = BareWord(entry.headword);
        for (Meaning& meaning : entry.meanings) {
            // The libraries' meanings stand as the libraries write them.
            if (!MarkOf(meaning.text).empty() || meaning.vocabularyRank != Meaning::kNoRank)
                continue;
            const auto found = nouns.find(meaning.text);
            if (found == nouns.end())
                continue;
            const CollectedEntry* chosen = found->second.size() == 1 ? found->second.front() : nullptr;
            if (!chosen) {
                int leadingBack = 0;
                for (const CollectedEntry* candidate : found->second) {
                    for (const Meaning& back : candidate->meanings) {
                        if (BareWord(back.text) == headword) {
                            chosen = candidate;
                            ++leadingBack;
                            break;
                        }
                    }
                }
                if (leadingBack != 1)
                    continue;
            }
            meaning.text += MarkOf(chosen->headword);
            ++report.marksAdded;
        }
    }
}

// German nouns in the meanings of French nouns get their article, where the German half knows one
// gender for them.
void AddGermanArticles(DictionaryBuilder& frenchGerman, DictionaryBuilder& germanFrench, PairReport& report) {
    for (CollectedEntry& entry : frenchGerman.Entries()) {
        if (entry.wordClass != kNoun)
            continue;
        for (Meaning& meaning : entry.meanings) {
            if (meaning.vocabularyRank != Meaning::kNoRank || meaning.text.empty() ||
                meaning.text.find(' ') != std::string::npos ||
                LowerCp1252(meaning.text.front()) == meaning.text.front())
                continue;
            const CollectedEntry* noun = germanFrench.Find(meaning.text, kNoun);
            if (!noun || ArticleOf(noun->gender).empty())
                continue;
            meaning.text = std::string(ArticleOf(noun->gender)) + meaning.text;
            ++report.articlesAdded;
        }
    }
}

void Confirm(DictionaryBuilder& half, const std::unordered_set<std::string>& otherLinks) {
    for (CollectedEntry& entry : half.Entries()) {
        for (Meaning& meaning : entry.meanings)
            meaning.confirmed = otherLinks.contains(LinkKey(meaning.text, entry.headword));
    }
}

void CountAtTheEnd(const DictionaryBuilder& frenchGerman, const DictionaryBuilder& germanFrench,
                   PairReport& report) {
    for (const DictionaryBuilder* half : {&frenchGerman, &germanFrench}) {
        for (const CollectedEntry& entry : half->Entries()) {
            for (const Meaning& meaning : entry.meanings)
                report.labelled += meaning.label.empty() ? 0 : 1;
        }
    }
    for (const CollectedEntry& entry : frenchGerman.Entries()) {
        if (entry.wordClass == kNoun && MarkOf(entry.headword).empty())
            ++report.nounsWithoutGender;
    }
}

} // namespace

std::string GuessFrenchGender(std::string_view headword, const std::vector<Meaning>& meanings,
                              const std::function<std::string(std::string_view)>& nounMark) {
    if (headword.empty() || UpperCp1252(headword.front()) == headword.front())
        return {}; // peoples, languages and names: written with a capital, their gender varies
    if (IsNumeral(headword))
        return " (m)";
    const std::size_t blank = headword.find(' ');
    if (blank != std::string_view::npos) {
        // "pôle Nord magnétique" is a "pôle"; "hydroxyde de sodium" a "hydroxyde".
        const std::string mark = nounMark(headword.substr(0, blank));
        if (!mark.empty())
            return mark;
        headword = headword.substr(0, blank);
    }
    const std::size_t hyphen = headword.find('-');
    if (hyphen != std::string_view::npos) {
        // The first part of a compound decides ("assurance-chômage"), the ending of the last does not.
        if (NamesBothSexes(meanings))
            return " (mf)";
        return nounMark(headword.substr(0, hyphen));
    }
    if (NamesBothSexes(meanings))
        return " (mf)";
    if (std::find(std::begin(kEndingExceptions), std::end(kEndingExceptions), headword) !=
        std::end(kEndingExceptions))
        return {};
    for (const Ending& ending : kEndings) {
        if (headword.size() > ending.ending.size() + 1 && headword.ends_with(ending.ending))
            return std::string(ending.mark);
    }
    return {};
}

void CompleteHalves(DictionaryBuilder& frenchGerman, DictionaryBuilder& germanFrench,
                    const Supplement& supplement, PairReport& report) {
    FillFrenchGenders(frenchGerman, supplement, report);
    ApplyPairs(frenchGerman, germanFrench, supplement, report);
    MarkFrenchNouns(germanFrench, frenchGerman, report);
    AddGermanArticles(frenchGerman, germanFrench, report);
    const std::unordered_set<std::string> frenchLinks = Links(frenchGerman);
    const std::unordered_set<std::string> germanLinks = Links(germanFrench);
    Confirm(frenchGerman, germanLinks);
    Confirm(germanFrench, frenchLinks);
    CountAtTheEnd(frenchGerman, germanFrench, report);
}

bool ConvertFreedictPair(const FreedictSource& frenchGerman, const FreedictSource& germanFrench,
                         const Supplement& supplement, std::vector<DictionaryEntry>& frenchGermanEntries,
                         std::vector<DictionaryEntry>& germanFrenchEntries, PairReport& report,
                         std::string& error) {
    report = {};
    DictionaryBuilder frenchHalf, germanHalf;
    if (!CollectFreedict(frenchGerman.indexText, frenchGerman.articleData, HeadwordLanguage::French,
                         supplement.vulgar, frenchHalf, report.frenchGerman, error) ||
        !CollectFreedict(germanFrench.indexText, germanFrench.articleData, HeadwordLanguage::German,
                         supplement.vulgar, germanHalf, report.germanFrench, error))
        return false;
    CompleteHalves(frenchHalf, germanHalf, supplement, report);
    frenchGermanEntries = frenchHalf.SortedEntries();
    germanFrenchEntries = germanHalf.SortedEntries();
    report.frenchGerman.entries = frenchGermanEntries.size();
    report.germanFrench.entries = germanFrenchEntries.size();
    return true;
}

} // namespace qor::freedict

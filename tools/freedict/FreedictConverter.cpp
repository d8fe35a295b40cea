#include "freedict/FreedictConverter.h"

#include "freedict/DictdIndex.h"
#include "freedict/FreedictArticle.h"
#include "freedict/UsageLabels.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"

#include <cstdint>

namespace qor::freedict {

namespace {

// The real dictionaries hold a few megabytes; this only bounds what a damaged file can make us take.
constexpr std::size_t kMaxArticleData = std::size_t{512} << 20;
constexpr std::uintmax_t kMaxIndexBytes = std::uintmax_t{256} << 20;

// False when a character has no Windows-1252 byte (Greek letters, "ł", "ō"); the text is then of
// no use to the dictionary.
bool ToWindows1252(std::string_view utf8, std::string& text) {
    bool lossless = true;
    text = Cp1252FromUtf8(utf8, &lossless);
    return lossless;
}

struct Candidate {
    std::string headword; // Windows-1252
    Grammar grammar;
    std::vector<Meaning> meanings;  // Windows-1252, the unusable ones left out, with their labels
    std::vector<std::string> notes; // Windows-1252, as far as it holds them
    bool headwordConverted = false;
};

// The language of the notes is the headword's, that of the translations the other one.
Candidate MakeCandidate(const FreedictArticle& article, HeadwordLanguage language, const VulgarWords& vulgar,
                        ConversionReport& report) {
    Candidate candidate;
    candidate.headwordConverted = ToWindows1252(article.headword, candidate.headword);
    candidate.grammar = ReadGrammar(article.grammar);
    std::vector<std::vector<std::string>> senseNotes;
    for (std::size_t i = 0; i < article.notes.size(); ++i) {
        std::string note;
        ToWindows1252(article.notes[i], note);
        const auto sense =
            static_cast<std::size_t>(i < article.noteSenses.size() ? article.noteSenses[i] : 0);
        if (senseNotes.size() <= sense)
            senseNotes.resize(sense + 1);
        senseNotes[sense].push_back(note);
        candidate.notes.push_back(std::move(note));
    }
    const std::string headwordLabel = vulgar.Matches(candidate.headword) ? "vulg." : "";
    for (std::size_t i = 0; i < article.translations.size(); ++i) {
        std::string translation;
        // ";" separates the meanings of an entry and "," is what the dictionary's check flags as
        // a missing separator, so a translation holding either cannot be stored as one meaning.
        if (!ToWindows1252(article.translations[i], translation) ||
            translation.find_first_of(";,") != std::string::npos) {
            ++report.translationsDropped;
            continue;
        }
        const auto sense =
            static_cast<std::size_t>(i < article.translationSenses.size() ? article.translationSenses[i] : 0);
        std::string label = sense < senseNotes.size() ? UsageLabelOf(senseNotes[sense], language) : "";
        label = CombineLabels(label, headwordLabel);
        if (vulgar.Matches(translation))
            label = CombineLabels(label, "vulg.");
        candidate.meanings.push_back({std::move(translation), std::move(label)});
    }
    return candidate;
}

// A German noun's gender, as far as its articles agree on one.
void NoteGender(const Grammar& grammar, CollectedEntry& entry) {
    const int genders = (grammar.masculine ? 1 : 0) + (grammar.feminine ? 1 : 0) + (grammar.neuter ? 1 : 0);
    if (genders == 0)
        return;
    const char gender = genders > 1 ? 'x' : grammar.masculine ? 'm' : grammar.feminine ? 'f' : 'n';
    entry.gender = entry.gender == 0 || entry.gender == gender ? gender : 'x';
}

void Count(Exclusion exclusion, ConversionReport& report) {
    switch (exclusion) {
    case Exclusion::ProperName:
        ++report.properNames;
        break;
    case Exclusion::Abbreviation:
        ++report.abbreviations;
        break;
    case Exclusion::Affix:
        ++report.affixes;
        break;
    case Exclusion::None:
        break;
    }
}

} // namespace

bool CollectFreedict(std::string_view indexText, std::string_view articleData, HeadwordLanguage language,
                     const VulgarWords& vulgar, DictionaryBuilder& builder, ConversionReport& report,
                     std::string& error) {
    report = {};
    std::vector<DictdIndexEntry> index;
    if (!ParseDictdIndex(indexText, index, error))
        return false;
    report.articles = index.size();

    std::vector<Candidate> candidates;
    candidates.reserve(index.size());
    for (const DictdIndexEntry& item : index) {
        if (item.offset > articleData.size() || item.length > articleData.size() - item.offset) {
            error = "index line " + std::to_string(item.line) + " (" + item.headword + "): the article at " +
                    std::to_string(item.offset) + "+" + std::to_string(item.length) +
                    " lies beyond the end of the data (" + std::to_string(articleData.size()) + " bytes)";
            return false;
        }
        const FreedictArticle article = ParseFreedictArticle(
            articleData.substr(static_cast<std::size_t>(item.offset), static_cast<std::size_t>(item.length)));
        candidates.push_back(MakeCandidate(article, language, vulgar, report));
    }

    // Whether an expression holds a verb is judged by the verbs of the whole dictionary, so they
    // are all known before the first word class is given.
    WordClassRules rules(language);
    for (const Candidate& candidate : candidates) {
        if (candidate.headwordConverted && candidate.grammar.partOfSpeech == PartOfSpeech::Verb)
            rules.AddVerb(candidate.headword);
    }

    for (const Candidate& candidate : candidates) {
        if (!candidate.headwordConverted) {
            ++report.notWindows1252;
            continue;
        }
        if (candidate.headword.empty() || candidate.meanings.empty()) {
            ++report.untranslated;
            continue;
        }
        const Exclusion exclusion = rules.ExclusionOf(candidate.headword, candidate.grammar, candidate.notes);
        if (exclusion != Exclusion::None) {
            Count(exclusion, report);
            continue;
        }
        const int wordClass = rules.WordClassOf(candidate.headword, candidate.grammar);
        const std::string headword = rules.MarkedHeadword(candidate.headword, candidate.grammar);
        if (builder.Add(headword, wordClass, candidate.meanings) == AddResult::Merged)
            ++report.merged;
        if (language == HeadwordLanguage::German && wordClass == kNoun)
            NoteGender(candidate.grammar, *builder.Find(headword, wordClass));
    }
    report.entries = builder.Count();
    return true;
}

bool ConvertFreedict(std::string_view indexText, std::string_view articleData, HeadwordLanguage language,
                     std::vector<DictionaryEntry>& entries, ConversionReport& report, std::string& error) {
    entries.clear();
    DictionaryBuilder builder;
    if (!CollectFreedict(indexText, articleData, language, VulgarWords(), builder, report, error))
        return false;
    entries = builder.SortedEntries();
    report.entries = entries.size();
    return true;
}

bool ConvertFreedictFiles(const std::filesystem::path& index, const std::filesystem::path& dictDz,
                          const std::filesystem::path& target, HeadwordLanguage language,
                          ConversionReport& report, std::string& error) {
    std::string indexText, articleData;
    if (!ReadFreedictFiles(index, dictDz, indexText, articleData, error))
        return false;
    std::vector<DictionaryEntry> entries;
    if (!ConvertFreedict(indexText, articleData, language, entries, report, error)) {
        error = index.string() + ": " + error;
        return false;
    }
    return WriteDictionaryFile(target, entries, error);
}

bool ReadFreedictFiles(const std::filesystem::path& index, const std::filesystem::path& dictDz,
                       std::string& indexText, std::string& articleData, std::string& error) {
    std::string compressed;
    if (!ReadWholeNativeFile(index, indexText, kMaxIndexBytes)) {
        error = index.string() + ": cannot read";
        return false;
    }
    if (!ReadWholeNativeFile(dictDz, compressed)) {
        error = dictDz.string() + ": cannot read";
        return false;
    }
    switch (InflateGzip(compressed, articleData, kMaxArticleData)) {
    case InflateStatus::Ok:
        return true;
    case InflateStatus::Truncated:
        error = dictDz.string() + ": the gzip data ends too early";
        return false;
    case InflateStatus::Corrupt:
        error = dictDz.string() + ": not gzip data, or damaged";
        return false;
    case InflateStatus::TooLarge:
        error = dictDz.string() + ": unpacks to more than " + std::to_string(kMaxArticleData >> 20) + " MiB";
        return false;
    }
    return false;
}

bool WriteDictionaryFile(const std::filesystem::path& target, const std::vector<DictionaryEntry>& entries,
                         std::string& error) {
    const std::string packed = DeflateZlib(DictionaryFileContent(entries));
    if (packed.empty() || !WriteFileAtomically(target, packed)) {
        error = target.string() + ": cannot write";
        return false;
    }
    return true;
}

} // namespace qor::freedict

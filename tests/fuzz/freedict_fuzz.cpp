// Any bytes must parse as a dictd article (and as an index, and as a supplement file) without a
// crash; what the article parser hands on must hold no line breaks and no blanks at either end, and
// every translation and note must name its sense.
#include "freedict/DictdIndex.h"
#include "freedict/FreedictArticle.h"
#include "freedict/Supplement.h"
#include "freedict/UsageLabels.h"
#include "freedict/WordClassRules.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool Tidy(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos && !text.starts_with(' ') && !text.ends_with(' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qor::freedict::FreedictArticle article = qor::freedict::ParseFreedictArticle(text);
    if (!Tidy(article.headword))
        std::abort();
    for (const std::string& translation : article.translations)
        if (translation.empty() || !Tidy(translation))
            std::abort();
    for (const std::string& note : article.notes)
        if (note.empty() || !Tidy(note))
            std::abort();
    if (article.translationSenses.size() != article.translations.size() ||
        article.noteSenses.size() != article.notes.size())
        std::abort();
    const std::string label =
        qor::freedict::UsageLabelOf(article.notes, qor::freedict::HeadwordLanguage::French);
    if (label != qor::freedict::CombineLabels(label, ""))
        std::abort();
    qor::freedict::WordClassRules rules(qor::freedict::HeadwordLanguage::German);
    rules.AddVerb(article.headword);
    const qor::freedict::Grammar grammar = qor::freedict::ReadGrammar(article.grammar);
    if (rules.ExclusionOf(article.headword, grammar, article.notes) == qor::freedict::Exclusion::None) {
        const int wordClass = rules.WordClassOf(article.headword, grammar);
        if (wordClass < 1 || wordClass > 6)
            std::abort();
    }
    std::vector<qor::freedict::DictdIndexEntry> entries;
    std::string error;
    if (!qor::freedict::ParseDictdIndex(text, entries, error) && error.empty())
        std::abort();
    qor::freedict::Supplement supplement;
    error.clear();
    if (!qor::freedict::ReadSupplementText(text, supplement, error) && error.empty())
        std::abort();
    for (const qor::freedict::VocabularyPair& pair : supplement.pairs)
        if (pair.wordClass < 1 || pair.wordClass > 6 || pair.french.empty() || pair.german.empty())
            std::abort();
    return 0;
}

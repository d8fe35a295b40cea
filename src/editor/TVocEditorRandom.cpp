// "Zufällig erzeugen": a library drawn entry by entry from the dictionary, each entry taken over
// exactly as the learner would with Ctrl+Y.
#include "dictionary/TXDatabase.h"
#include "editor/TVocEditorCore.h"
#include "platform/Random.h"

namespace qor {

namespace {
constexpr int kShareRange = 101; // r is drawn from 0..100
}

void TVocEditorCore::FillRandomly(const RandomLibraryRequest& request) {
    const bool alwaysLookup = m_alwaysLookup;
    m_alwaysLookup = false;
    const WordClassChoice classes = request.idioms ? WordClassChoice::Any : WordClassChoice::NoIdioms;
    for (int i = 0; i < request.size; ++i) {
        const bool germanFrench = request.fremdShare < RandomBelow(kShareRange);
        m_dictionary->SetDirection(germanFrench ? DictionaryDirection::GermanFrench
                                                : DictionaryDirection::FrenchGerman);
        // An empty half has nothing to give; the entry would stay blank and stop the run.
        if (m_dictionary->Count() == 0)
            continue;
        m_dictionary->RandomEntry(classes);
        m_library.SetDeutsch(-1, germanFrench);
        m_view.SetGermanFlagOnTop(germanFrench);
        TakeOver();
        GoRight();
    }
    if (request.sortAfter)
        Sortieren();
    SelectEntry(0);
    m_alwaysLookup = alwaysLookup;
}

} // namespace qor

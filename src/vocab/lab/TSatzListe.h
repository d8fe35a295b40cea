#pragma once
// The sentences of one language-lab theme, in the order of the collection.

#include <string>
#include <vector>

namespace qor {

// One recorded sentence. Texts are Windows-1252.
struct TSatz {
    std::string Franzoesisch; // the sentence as it is recorded
    std::string Alternative;  // another wording the dictation accepts; may be empty
    std::string Hinweis;      // the dictation's help text
    std::string Deutsch;      // the translation
    std::string Aufnahme;     // the slow recording, with a data-path prefix ("XF:\LA\1\Lab__1a.ogg")
};

class TSatzListe {
public:
    int Count() const { return static_cast<int>(m_saetze.size()); }
    bool Empty() const { return m_saetze.empty(); }
    // The caller keeps `index` inside 0..Count()-1.
    const TSatz& At(int index) const { return m_saetze[static_cast<std::size_t>(index)]; }
    void Add(TSatz satz) { m_saetze.push_back(std::move(satz)); }

private:
    std::vector<TSatz> m_saetze;
};

} // namespace qor

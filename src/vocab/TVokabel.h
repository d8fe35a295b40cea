#pragma once
// One vocabulary entry as the library, its files and the query know it. Texts are Windows-1252.

#include <string>

namespace qor {

// Word classes as the library numbers them (the dictionary counts the same classes from 1).
enum Wortart : int {
    kNomen = 0,
    kVerb = 1,
    kAdjektiv = 2,
    kKleinesWort = 3,
    kRwMitVerb = 4,
    kRwOhneVerb = 5,
};

inline constexpr int kMaxSchwierigkeit = 4; // "Tödlich"

struct TVokabel {
    std::string Vokabel;
    std::string Bedeutung0;
    std::string Bedeutung1; // further meanings, separated by "; "
    std::string Kontext0;
    std::string Kontext1;
    bool KtxDazu0 = false;
    bool KtxDazu1 = false;
    int Wortart = 0;
    bool Deutsch = false; // Vokabel is German, the meanings French
    int Schwierigkeit = 0;
    int Score = 0; // the logged-in learner's score; never written to a file

    // The editor's new-entry line and every half-typed entry: nothing to ask.
    bool IsBlank() const { return Vokabel.empty() || Bedeutung0.empty(); }

    bool operator==(const TVokabel&) const = default;
};

} // namespace qor

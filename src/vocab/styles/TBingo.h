#pragma once
// The reaction game "las vegas": a headword on top, a meaning below; the learner clicks when they
// belong together. Rounds of 14 pairs until the energy is gone or the game is stopped.

#include "platform/Fonts.h"
#include "vocab/TVocAufgabe.h"
#include "vocab/styles/StyleScreen.h"
#include "vocab/styles/TBingoList.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qor {

class StyleMusic;
class TBibliothek;
class TVocEinstellungen;
class TXUserBase;

// Scores one judged pair of a library entry for the learner (kind "v").
using BingoResultRecorder = std::function<void(const TVokabel& entry, int change)>;
// Through TXUserBase::RecordResult, which ignores results while nobody is logged in.
BingoResultRecorder RecordToUser(TXUserBase& users);

struct BingoEnvironment {
    StyleScreen* screen = nullptr;
    StyleMusic* music = nullptr;
    TBibliothek* library = nullptr;
    TVocEinstellungen* settings = nullptr;
    const FontService* fonts = nullptr;
    int vegasFaktor = 100;
    // A question with its five wrong choices, drawn at random from the query range as the plain
    // query's random pick does.
    std::function<TVocAufgabe()> drawQuestion;
    // Puts a new random area library in place after a round (and resets the range to all of it).
    std::function<void()> nextRoundLibrary;
    BingoResultRecorder recordResult;
};

struct BingoPair {
    std::string top;
    std::string bottom;
    bool right = true;
    bool extra = false; // from the pair file, not from the library
    TVokabel entry;     // the library entry asked (blank for an extra pair)
};

class TBingo {
public:
    static constexpr const char* kPairFile = "vegas_F.txt";

    // Counts the range's entries of both directions.
    explicit TBingo(BingoEnvironment environment);

    // The whole game, from "start.htx" to the closing page.
    void Run();
    // "stop": the game ends after the current pair.
    void Stop() { m_stop = true; }
    // The learner's reaction (a click, the space key); ignored while clicks are not accepted.
    void Click();

    int Energy() const { return m_energy; }
    int Score() const { return m_score; }
    int Round() const { return m_round; }
    int WrongInARow() const { return m_wrongInARow; }
    int GermanEntries() const { return m_germanEntries; }
    int ForeignEntries() const { return m_foreignEntries; }
    const TBingoList& ExtraPairs() const { return m_extraPairs; }
    void SetExtraPairs(TBingoList pairs) { m_extraPairs = std::move(pairs); }
    const std::vector<std::string>& UsableFonts() const { return m_fonts; }

    // One pair as the game chooses it (also remembered as the current pair).
    const BingoPair& ChoosePair();
    const BingoPair& CurrentPair() const { return m_pair; }
    // The judgement of a click on the current pair: energy, score, phrase, learner's record.
    void Judge();

    // Drawing, public for the layout tests.
    void DrawTexts(std::string_view top, std::string_view bottom, int level);
    void DrawStatus();

private:
    void FindUsableFonts();
    FontSpec RandomFont() const;
    bool Ended() const { return m_stop || m_energy <= 0; }
    bool CanDraw() const;
    int Duration(int milliseconds) const;
    void Fade(int fromLevel, int toLevel, int milliseconds, const std::function<void()>& halfDone = {});
    void ShowBanner(std::string_view top, std::string_view bottom, int holdMilliseconds,
                    const std::function<bool()>& interrupt);
    void PlayRound();
    void PlayPair();
    void ReplaceByExtraPair();
    void DrawArea(const StyleRect& area, std::string_view text, const FontSpec& font, int level);
    int RecentLimit() const;

    BingoEnvironment m_env;
    std::vector<std::string> m_fonts;
    TBingoList m_extraPairs;
    std::deque<std::string> m_recentHeadwords;
    BingoPair m_pair;
    std::string m_topText;
    std::string m_bottomText;
    FontSpec m_topFont;
    FontSpec m_bottomFont;
    int m_energy = 100;
    int m_score = 0;
    int m_round = 0;
    int m_wrongInARow = 0;
    int m_germanEntries = 0;
    int m_foreignEntries = 0;
    bool m_clicked = false;
    bool m_accepting = false;
    bool m_stop = false;
};

} // namespace qor

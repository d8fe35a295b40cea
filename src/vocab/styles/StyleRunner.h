#pragma once
// The three presentation styles behind the dispatcher's calls: Create, Prepare, Run, Stop,
// Advance and Free for each, one object per run. The application adapts this to its StyleService.

#include "platform/Fonts.h"
#include "vocab/TVocAufgabe.h"
#include "vocab/styles/StyleMusic.h"
#include "vocab/styles/StyleScreen.h"
#include "vocab/styles/SuperItemSequence.h"
#include "vocab/styles/TBingo.h"
#include "vocab/styles/TSeventies.h"
#include "vocab/styles/TTechnoStyle.h"

#include <functional>
#include <memory>

namespace qor {

class TBibliothek;
class TSuperOptions;
class TVocEinstellungen;
class TXUserBase;

enum class StyleKind { Techno, Seventies, Bingo };

struct StyleEnvironment {
    StyleScreen* screen = nullptr;
    StyleMusic* music = nullptr; // may be null: no music
    const FontService* fonts = nullptr;
    TBibliothek* library = nullptr;
    TVocEinstellungen* settings = nullptr;
    const TSuperOptions* options = nullptr;
    TXUserBase* users = nullptr; // may be null
    FindRecording findRecording;
    PlayRecording playRecording;
    PictureReader readPicture = PictureFileReader();
    // The query's random pick into slot 0; the game cannot run without it.
    std::function<TVocAufgabe()> drawQuestion;
    // After each game round; empty: a random area library from the last area folder, as range.
    std::function<void()> nextRoundLibrary;
};

class StyleRunner {
public:
    explicit StyleRunner(StyleEnvironment environment);
    ~StyleRunner();

    // The techno style answers whether it found pictures; the others can always run.
    bool Create(StyleKind kind);
    void Prepare(StyleKind kind);
    void Run(StyleKind kind);
    void Stop(StyleKind kind);
    void Advance(StyleKind kind);
    void Free(StyleKind kind);

    TBingo* Bingo() { return m_bingo.get(); }
    TSeventies* Seventies() { return m_seventies.get(); }
    TTechnoStyle* Techno() { return m_techno.get(); }

private:
    std::unique_ptr<SuperItemSequence> MakeItems() const;
    void NextRoundLibrary();

    StyleEnvironment m_env;
    std::unique_ptr<SuperItemSequence> m_items;
    std::unique_ptr<TBingo> m_bingo;
    std::unique_ptr<TSeventies> m_seventies;
    std::unique_ptr<TTechnoStyle> m_techno;
};

} // namespace qor

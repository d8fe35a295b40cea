#pragma once
// The superlearning presentation without its window: the steps of the fading ("klassisch") and
// the letters ("abgedreht") mode, driven by a 100 ms tick, until the learner asks to stop.

#include "app/super/SuperCanvas.h"
#include "app/super/SuperColours.h"
#include "app/super/SuperEntryChooser.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace qor {

class LetterScatter;
class StyleMusic;
class TBibliothek;
class TSuperOptions;
class TVocEinstellungen;

enum class SuperMode : int { Fades = 0, Letters = 1 };

struct SuperLook {
    SuperMode mode = SuperMode::Fades;
    int klassikFaktor = 100;
    int faktor = 100;
    int textDelay = 80;
    int madness = 9;
    std::string schrift = "Arial";
    bool speech = false;
    bool ohneHintergrund = false;
    bool schwarzWeiss = false;
    std::int32_t carsonBackground = 0xFFFFFF;
    std::int32_t carsonText = 0;
};

SuperLook SuperLookFromOptions(const TSuperOptions& options);
// The query's range with -1 resolved against the library.
SuperEntryRange SuperRangeFromSettings(const TVocEinstellungen& settings, const TBibliothek& library);

// Plays the recording of a text; false when it could not be played.
using SuperPlayRecording = std::function<bool(const std::string& text)>;

struct SuperPresentationParts {
    const TBibliothek* library = nullptr;
    SuperEntryRange range;
    SuperLook look;
    SuperCanvas* canvas = nullptr;
    SuperLoop* loop = nullptr;
    SuperPlayRecording playRecording; // empty: no speech
    StyleMusic* music = nullptr;      // kept going after each step; may be null
    std::function<void()> close;      // the tick after a stop request
    RandomDraw random = ProgramRandom();
};

class TSuperPresentation {
public:
    static constexpr int kTickMs = 100;

    explicit TSuperPresentation(SuperPresentationParts parts);
    ~TSuperPresentation();
    TSuperPresentation(const TSuperPresentation&) = delete;
    TSuperPresentation& operator=(const TSuperPresentation&) = delete;

    // Paints the window in its starting colour.
    void Open();
    void Tick();
    // A click or a key: ignored before the first step.
    void RequestStop();

    int Step() const { return m_step; }
    int WaitMs() const { return m_wait; }
    bool Started() const { return m_started; }
    bool StopRequested() const { return m_stopRequested; }
    bool Speaking() const { return m_speaking; }
    bool Closed() const { return m_closed; }
    int CurrentEntry() const { return m_chooser.Current(); }
    const std::string& Text() const { return m_text; }
    FadeColours Colours() const { return {m_textColour, m_background}; }
    int BandTop() const { return m_bandTop; }
    int BandHeight() const { return m_canvas.Height() / 4; }

private:
    void FadeStep();
    void LetterStep();
    void ChooseEntry();
    void Fade(FadeKind kind);
    void Speak(const std::string& text);
    void DrawLetters();
    FontSpec BandFont() const;
    std::string Word() const;
    std::string EntryText() const;
    std::string Meaning() const;
    bool EntryIsGerman() const;

    SuperPresentationParts m_parts;
    SuperCanvas& m_canvas;
    SuperLoop& m_loop;
    SuperEntryChooser m_chooser;
    std::unique_ptr<LetterScatter> m_letters;
    int m_step = -1;
    int m_wait = 0;
    bool m_ready = true;
    bool m_started = false;
    bool m_stopRequested = false;
    bool m_closed = false;
    bool m_speaking = false;
    std::string m_text;
    std::int32_t m_textColour = 0;
    std::int32_t m_background = 0;
    int m_bandTop = 0;
};

} // namespace qor

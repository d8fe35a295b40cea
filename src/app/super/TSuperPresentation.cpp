#include "app/super/TSuperPresentation.h"

#include "app/super/LetterScatter.h"
#include "settings/TSuperOptions.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/styles/StyleMusic.h"

#include <algorithm>

namespace qor {

SuperLook SuperLookFromOptions(const TSuperOptions& options) {
    SuperLook look;
    look.mode = options.Integer(SuperInt::Modus) == 1 ? SuperMode::Letters : SuperMode::Fades;
    look.klassikFaktor = options.Integer(SuperInt::KlassikFaktor);
    look.faktor = options.Integer(SuperInt::Faktor);
    look.textDelay = options.Integer(SuperInt::TextDelay);
    look.madness = options.Integer(SuperInt::Madness);
    look.schrift = options.Text(SuperText::Schrift);
    look.speech = options.Flag(SuperFlag::Sprachausgabe);
    look.ohneHintergrund = options.Flag(SuperFlag::OhneHintergrund);
    look.schwarzWeiss = options.Flag(SuperFlag::SchwarzWeiss);
    look.carsonBackground = options.Colour(SuperColour::CarsonBGRColor);
    look.carsonText = options.Colour(SuperColour::CarsonTXTColor);
    return look;
}

SuperEntryRange SuperRangeFromSettings(const TVocEinstellungen& settings, const TBibliothek& library) {
    SuperEntryRange range;
    range.modus = settings.Modus;
    range.first = std::max(0, settings.Von);
    range.last = settings.Bis < 0 ? std::max(0, library.Count() - 1) : settings.Bis;
    return range;
}

TSuperPresentation::TSuperPresentation(SuperPresentationParts parts)
    : m_parts(std::move(parts)), m_canvas(*m_parts.canvas), m_loop(*m_parts.loop),
      m_chooser(m_parts.range, m_parts.random), m_speaking(m_parts.look.speech && m_parts.playRecording) {
    m_letters = std::make_unique<LetterScatter>(
        m_canvas, m_parts.random,
        LetterScatterLook{m_parts.look.madness, m_parts.look.carsonText, m_parts.look.carsonBackground});
}

TSuperPresentation::~TSuperPresentation() = default;

void TSuperPresentation::Open() {
    if (m_parts.look.mode == SuperMode::Letters) {
        m_background = m_parts.look.carsonBackground;
        m_textColour = m_parts.look.carsonText;
    } else {
        m_background = 0;
        m_textColour = 0;
    }
    m_canvas.Clear(m_background);
}

void TSuperPresentation::RequestStop() {
    if (m_started)
        m_stopRequested = true;
}

void TSuperPresentation::Tick() {
    if (!m_ready || m_closed)
        return;
    if (m_stopRequested) {
        m_closed = true;
        if (m_parts.close)
            m_parts.close();
        return;
    }
    if (m_parts.look.mode == SuperMode::Letters) {
        if (m_wait > 0)
            m_wait -= kTickMs;
        if (m_wait > 0)
            return;
    }
    m_ready = false;
    ++m_step;
    m_started = true;
    if (m_parts.look.mode == SuperMode::Letters)
        LetterStep();
    else
        FadeStep();
    if (m_parts.music)
        m_parts.music->Advance();
    m_ready = true;
}

void TSuperPresentation::ChooseEntry() {
    m_chooser.Next();
}

// Without a library the presentation shows empty entries rather than failing.
std::string TSuperPresentation::Word() const {
    return m_parts.library ? m_parts.library->Vokabel(m_chooser.Current()) : std::string();
}

std::string TSuperPresentation::EntryText() const {
    return "{ " + Word() + " }";
}

std::string TSuperPresentation::Meaning() const {
    return m_parts.library ? m_parts.library->Bedeutung(m_chooser.Current(), 0) : std::string();
}

bool TSuperPresentation::EntryIsGerman() const {
    return m_parts.library && m_parts.library->Deutsch(m_chooser.Current());
}

void TSuperPresentation::Speak(const std::string& text) {
    if (!m_speaking)
        return;
    if (!m_parts.playRecording(text))
        m_speaking = false;
}

void TSuperPresentation::FadeStep() {
    switch (m_step) {
    case 0:
        ChooseEntry();
        m_text = EntryText();
        m_bandTop = m_parts.random(m_canvas.Height() - BandHeight());
        Fade(FadeKind::Show);
        break;
    case 1:
        Fade(FadeKind::Show);
        if (!EntryIsGerman())
            Speak(Word());
        break;
    case 2:
    case 5:
        Fade(FadeKind::Show);
        break;
    case 3:
        Fade(FadeKind::Hide);
        break;
    case 4:
        m_text = Meaning();
        Fade(FadeKind::Show);
        if (EntryIsGerman())
            Speak(m_text);
        break;
    case 6:
        Fade(FadeKind::Black);
        break;
    case 8:
        m_step = -1;
        break;
    default:
        break;
    }
}

void TSuperPresentation::LetterStep() {
    const int faktor = m_parts.look.faktor;
    switch (m_step) {
    case 0: {
        ChooseEntry();
        if (!EntryIsGerman())
            Speak(Word());
        m_text = EntryText();
        DrawLetters();
        const int length = static_cast<int>(m_text.size());
        m_wait = faktor * 10 + (length >= 7 ? (length - 6) * faktor : 0);
        break;
    }
    case 1:
        m_canvas.Clear(m_background);
        m_wait = faktor * 8;
        break;
    case 2:
        if (EntryIsGerman())
            Speak(Meaning());
        m_text = Meaning();
        DrawLetters();
        m_wait = faktor * 10 + static_cast<int>(m_text.size()) * faktor;
        break;
    case 3:
        m_canvas.Clear(m_background);
        m_wait = faktor * 14;
        break;
    case 4:
        m_step = -1;
        break;
    default:
        break;
    }
}

void TSuperPresentation::DrawLetters() {
    const int rounds = m_parts.look.textDelay * 100 + 1;
    m_letters->Draw(m_text, [this, rounds] {
        for (int i = 0; i < rounds && !m_stopRequested; ++i)
            m_loop.ProcessMessages();
        return m_stopRequested;
    });
}

FontSpec TSuperPresentation::BandFont() const {
    FontSpec font;
    font.name = m_parts.look.schrift;
    font.height = PointsToPixels(BandHeight() / 8);
    return font;
}

void TSuperPresentation::Fade(FadeKind kind) {
    const FadeColours targets =
        FadeTargets(kind, FadeLook{m_parts.look.ohneHintergrund, m_parts.look.schwarzWeiss}, m_parts.random);
    const FadeColours start{m_textColour, m_background};
    const int duration = FadeDurationMs(m_parts.look.klassikFaktor);
    const FontSpec font = BandFont();
    const std::int64_t begin = m_loop.Milliseconds();
    while (!m_stopRequested) {
        const std::int64_t frame = m_loop.Milliseconds();
        if (frame - begin >= duration)
            break;
        const int fraction = FadeFraction(frame - begin, duration);
        m_textColour = FadeBlend(start.text, targets.text, fraction);
        m_background = FadeBlend(start.background, targets.background, fraction);
        m_canvas.PaintBand(m_bandTop, BandHeight(), m_background, font, m_text, m_textColour);
        m_loop.ProcessMessages();
        for (std::int64_t spent = m_loop.Milliseconds() - frame; spent < 10;
             spent = m_loop.Milliseconds() - frame)
            m_loop.Wait(static_cast<int>(10 - spent));
    }
    m_textColour = targets.text;
    m_background = targets.background;
}

} // namespace qor

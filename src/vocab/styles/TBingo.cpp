// The game's flow: rounds, pairs with their fades and the window for a click, the judgement, and
// the screen: two white text areas and the status line below them.

#include "vocab/styles/TBingo.h"

#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/styles/BingoRules.h"
#include "vocab/styles/StyleMusic.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace qor {

namespace {

constexpr std::array<std::string_view, 10> kGameFonts = {
    "Arial",   "times new roman", "Courier new", "Verdana",        "Impact",
    "Georgia", "Arial Black",     "Andale Mono", "Lucida Console", "Garamond"};

constexpr StyleRect kTopArea{0, 30, 800, 237};
constexpr StyleRect kBottomArea{0, 297, 800, 504};
constexpr int kSwatchInsetX = 120;
constexpr int kSwatchInsetY = 40;
constexpr int kFadeStep = 20;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kTextColour = 0x000000;
// A library with fewer distinct headwords than the memory wants would draw for ever.
constexpr int kMaxHeadwordDraws = 100;

void FillRect(TXBitmap& surface, const StyleRect& r, Colour colour) {
    surface.SetXAlpha(255);
    surface.TranslucentRectangle(r.left, r.top, r.right, r.bottom, colour);
}

PixelSurface PixelsOf(TXBitmap& bitmap) {
    return PixelSurface{bitmap.Row(0), bitmap.Width(), bitmap.Height(), bitmap.Stride()};
}

} // namespace

BingoResultRecorder RecordToUser(TXUserBase& users) {
    return [&users](const TVokabel& entry, int change) {
        const VocDirection direction = entry.Deutsch ? VocDirection::Deutsch : VocDirection::Fremd;
        users.RecordResult(entry.Vokabel, direction, 'v', change, entry.Wortart);
    };
}

TBingo::TBingo(BingoEnvironment environment) : m_env(std::move(environment)) {
    if (m_env.library && m_env.settings) {
        const TVocEinstellungen& s = *m_env.settings;
        m_germanEntries = m_env.library->CountWithDirection(true, std::max(0, s.Von), s.Bis);
        m_foreignEntries = m_env.library->CountWithDirection(false, std::max(0, s.Von), s.Bis);
    }
}

void TBingo::Click() {
    if (m_accepting)
        m_clicked = true;
}

int TBingo::Duration(int milliseconds) const {
    return ScaledDuration(milliseconds, m_env.vegasFaktor);
}

// [SECTION] Choosing a pair

int TBingo::RecentLimit() const {
    const TVocEinstellungen& s = *m_env.settings;
    const int von = std::max(0, s.Von);
    const int bis = s.Bis < 0 ? m_env.library->Count() - 1 : s.Bis;
    return std::min(20, bis - von);
}

bool TBingo::CanDraw() const {
    return m_env.drawQuestion && m_env.library && m_env.settings && m_env.library->CountEligible() > 0;
}

const BingoPair& TBingo::ChoosePair() {
    TVocAufgabe task;
    for (int draw = 0; draw < kMaxHeadwordDraws; ++draw) {
        task = m_env.drawQuestion();
        if (std::find(m_recentHeadwords.begin(), m_recentHeadwords.end(), task.Frage.Vokabel) ==
            m_recentHeadwords.end())
            break;
    }
    m_recentHeadwords.push_back(task.Frage.Vokabel);
    const int limit = RecentLimit();
    while (!m_recentHeadwords.empty() && static_cast<int>(m_recentHeadwords.size()) >= limit)
        m_recentHeadwords.pop_front();

    m_pair = BingoPair{};
    m_pair.entry = task.Frage;
    m_pair.top = task.Frage.Vokabel;
    int choice = 0;
    if (!NextPairIsRight(m_wrongInARow))
        choice = WrongChoice(task);
    m_pair.right = choice == 0;
    const std::vector<std::string> meanings = BottomTextCandidates(task.Wahl[choice]);
    if (!meanings.empty())
        m_pair.bottom = meanings[RandomBelow(static_cast<int>(meanings.size()))];
    if (RandomBelow(10) == 0 && !m_extraPairs.empty())
        ReplaceByExtraPair();
    return m_pair;
}

void TBingo::ReplaceByExtraPair() {
    const int count = static_cast<int>(m_extraPairs.size());
    const int line = RandomBelow(count);
    const TBingoPair& pair = m_extraPairs[line];
    m_pair = BingoPair{};
    m_pair.extra = true;
    m_pair.top = pair.left;
    m_pair.bottom = pair.right;
    if (RandomBelow(2) != 0)
        return;
    if (!pair.alternative.empty() && RandomBelow(10) > 4) {
        if (pair.alternative.front() == '.')
            m_pair.top = pair.alternative.substr(1);
        else
            m_pair.bottom = pair.alternative;
        m_pair.right = false;
        return;
    }
    const int offset = 1 + RandomBelow(2);
    if (line > 2) {
        m_pair.bottom = m_extraPairs[line - offset].right;
        m_pair.right = false;
    } else if (line + offset < count) {
        m_pair.bottom = m_extraPairs[line + offset].right;
        m_pair.right = false;
    }
}

// [SECTION] Judging

void TBingo::Judge() {
    m_accepting = false;
    m_clicked = false;
    const Verdict verdict = m_pair.right ? Verdict::Right : Verdict::Wrong;
    const BingoPhrase phrase = PhraseFor(verdict, RandomBelow(kPhraseCount));
    if (verdict == Verdict::Right) {
        m_energy = ChangedEnergy(m_energy, kEnergyForRight);
        ++m_score;
    } else {
        m_energy = ChangedEnergy(m_energy, -kEnergyForWrong);
    }
    // Pairs of the pair file are no library words, so the learner's records have no place for them.
    if (m_env.recordResult && !m_pair.extra)
        m_env.recordResult(m_pair.entry, verdict == Verdict::Right ? kScoreChangeRight : kScoreChangeWrong);
    if (!m_env.screen)
        return;
    m_topText = phrase.top;
    m_bottomText = phrase.bottom;
    m_topFont = RandomFont();
    m_bottomFont = RandomFont();
    DrawTexts(m_topText, m_bottomText, 255);
    DrawStatus();
    m_env.screen->Present();
    WaitProcessing(*m_env.screen, Duration(1000), [] { return false; });
}

// [SECTION] The run

void TBingo::FindUsableFonts() {
    m_fonts.clear();
    for (std::string_view name : kGameFonts) {
        if (m_env.fonts->IsInstalled(name))
            m_fonts.emplace_back(name);
    }
}

FontSpec TBingo::RandomFont() const {
    FontSpec font;
    font.name =
        m_fonts.empty() ? std::string("Arial") : m_fonts[RandomBelow(static_cast<int>(m_fonts.size()))];
    font.height = kStyleTextSize;
    font.bold = SameTextInsensitive(font.name, "Arial") || SameTextInsensitive(font.name, "Courier new");
    return font;
}

void TBingo::Run() {
    StyleScreen& screen = *m_env.screen;
    screen.LoadPage("start.htx");
    m_extraPairs = ReadBingoList(screen.PageFolder() + kPairFile);
    if (m_env.music)
        m_env.music->Start();
    FindUsableFonts();
    DrawStatus();
    while (!Ended()) {
        ++m_round;
        ShowBanner("ROUND " + std::to_string(m_round), "GET READY!", 3000, [this] { return m_stop; });
        PlayRound();
        if (!Ended() && m_env.nextRoundLibrary)
            m_env.nextRoundLibrary();
    }
    if (m_energy > 0) {
        ShowBanner("BYE BYE", "SCORE " + std::to_string(m_score), 3000, [] { return false; });
        screen.LoadPage("..\\vokabeln.htx");
    } else {
        ShowBanner("TIME UP", "GAME OVER", 3000, [] { return false; });
        screen.LoadPage("again.htx");
    }
    if (m_env.music)
        m_env.music->Stop();
}

void TBingo::ShowBanner(std::string_view top, std::string_view bottom, int holdMilliseconds,
                        const std::function<bool()>& interrupt) {
    m_topText = top;
    m_bottomText = bottom;
    m_topFont = RandomFont();
    m_bottomFont = RandomFont();
    Fade(0, 255, Duration(500));
    WaitProcessing(*m_env.screen, Duration(holdMilliseconds), interrupt);
    Fade(255, 0, Duration(500));
}

void TBingo::PlayRound() {
    for (int pair = 0; pair < kPairsPerRound && !Ended(); ++pair) {
        // Without an entry to ask there is no game; the query's pick would search for ever.
        if (!CanDraw()) {
            m_stop = true;
            return;
        }
        PlayPair();
    }
}

void TBingo::PlayPair() {
    StyleScreen& screen = *m_env.screen;
    ChoosePair();
    m_topText = m_pair.top;
    m_bottomText = m_pair.bottom;
    m_topFont = RandomFont();
    m_bottomFont = RandomFont();
    m_clicked = false;
    m_accepting = false;
    Fade(0, 255, Duration(500), [this] { m_accepting = true; });
    m_energy = ChangedEnergy(m_energy, -kEnergyPerPairStep);
    DrawStatus();
    screen.Present();
    WaitProcessing(screen, Duration(1000), [this] { return m_clicked || m_stop; });
    m_energy = ChangedEnergy(m_energy, -kEnergyPerPairStep);
    DrawStatus();
    bool judged = false;
    if (m_clicked) {
        Judge();
        judged = true;
    }
    Fade(255, 0, Duration(500));
    if (m_clicked && !judged) {
        Judge();
        Fade(255, 0, Duration(500));
    }
    if (m_env.music)
        m_env.music->Advance();
}

// [SECTION] Drawing

void TBingo::Fade(int fromLevel, int toLevel, int milliseconds, const std::function<void()>& halfDone) {
    StyleScreen& screen = *m_env.screen;
    const std::int64_t start = screen.Milliseconds();
    bool halfReported = false;
    while (true) {
        const std::int64_t elapsed = std::min<std::int64_t>(screen.Milliseconds() - start, milliseconds);
        const int level = milliseconds <= 0
                              ? toLevel
                              : fromLevel + static_cast<int>((toLevel - fromLevel) * elapsed / milliseconds);
        DrawTexts(m_topText, m_bottomText, level);
        screen.Present();
        if (!halfReported && 2 * elapsed >= milliseconds) {
            halfReported = true;
            if (halfDone)
                halfDone();
        }
        if (elapsed >= milliseconds)
            return;
        screen.ProcessMessages();
        screen.Wait(kFadeStep);
    }
}

void TBingo::DrawArea(const StyleRect& area, std::string_view text, const FontSpec& font, int level) {
    TXBitmap& surface = m_env.screen->Surface();
    FillRect(surface, area, kWhite);
    if (const std::optional<Colour> swatch = SwatchColour(text)) {
        const StyleRect box{area.left + kSwatchInsetX, area.top + kSwatchInsetY, area.right - kSwatchInsetX,
                            area.bottom - kSwatchInsetY};
        FillRect(surface, box, BlendColour(kWhite, *swatch, level));
        return;
    }
    if (text.empty())
        return;
    FontSpec fitted = font;
    fitted.height = FittingSize(*m_env.fonts, font, text, kStyleTextSize, area.Width(), kStyleTextMargin);
    const TextMetrics metrics = m_env.fonts->Measure(fitted, text);
    const int x = area.left + (area.Width() - metrics.width) / 2;
    const int y = area.top + (area.Height() - metrics.height) / 2;
    PixelSurface pixels = PixelsOf(surface);
    m_env.fonts->DrawText(pixels, x, y, fitted, text, BlendColour(kWhite, kTextColour, level));
}

void TBingo::DrawTexts(std::string_view top, std::string_view bottom, int level) {
    DrawArea(kTopArea, top, m_topFont, level);
    DrawArea(kBottomArea, bottom, m_bottomFont, level);
}

void TBingo::DrawStatus() {
    if (!m_env.screen)
        return;
    TXBitmap& surface = m_env.screen->Surface();
    FontSpec font;
    font.name = "courier new";
    font.height = 10;
    const int lineHeight = std::max(17, m_env.fonts->Measure(font, "0").height);
    FillRect(surface, StyleRect{0, 544, 800, 544 + lineHeight}, 0x000000);
    PixelSurface pixels = PixelsOf(surface);
    m_env.fonts->DrawText(pixels, 20, 544, font, "Score: " + std::to_string(m_score), kWhite);
    char energy[16];
    std::snprintf(energy, sizeof energy, "%3d%%", m_energy);
    m_env.fonts->DrawText(pixels, 750, 544, font, energy, kWhite);
    FillRect(surface, StyleRect{740 - m_energy, 544, 740, 561}, EnergyBarColour(m_energy));
}

} // namespace qor

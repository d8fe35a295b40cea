#pragma once
// The language lab: the sentence collection grouped by theme, the current theme and sentence, the
// recently drawn sentences and the switches Diktat, Deutsch and Automatik. It shows everything
// through page variables and conditions and loads its pages by name; the main window's page
// commands drive it.
//
// Theme numbers outside the collection (a stale registry value, a hand-written "thema" link)
// mean theme 0. A theme without sentences, or a collection without themes, shows empty texts.

#include "vocab/AcceptedAnswers.h"
#include "vocab/lab/LabSettings.h"
#include "vocab/lab/TThema.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class RegistryStore;
class TrainingPage;

// A stored recording path ("XF:\LA\1\Lab__1a.wav") as a file to play; "" when it does not resolve.
using ResolveRecording = std::function<std::string(std::string_view storedPath)>;

class TThemenListe {
public:
    static constexpr int kRecentLimit = 20;
    // A random draw that keeps hitting recent sentences this often is not random.
    static constexpr int kMaxRefusedDraws = 10000;

    // Reads the settings from `registry` and draws a first sentence of the stored theme. `page`
    // may be null until the main window exists. `draw` defaults to the program's random source.
    TThemenListe(std::vector<TThema> themes, TrainingPage* page, RegistryStore& registry,
                 ResolveRecording resolve, RandomDraw draw = {});
    // Stores the theme and the switches.
    ~TThemenListe();
    TThemenListe(const TThemenListe&) = delete;
    TThemenListe& operator=(const TThemenListe&) = delete;

    // The main window's page control; a new main window hands over its own.
    void SetPage(TrainingPage* page) { m_page = page; }

    // [Switches] ("+diktat" / "-diktat", "+deutsch" / "-deutsch", "+autoread" / "-autoread");
    // the page conditions follow with the next SetSentenceMacros.
    void SetDiktat(bool on) { m_diktat = on; }
    void SetDeutsch(bool on) { m_deutsch = on; }
    void SetAutomatik(bool on) { m_automatik = on; }
    bool Diktat() const { return m_diktat; }
    bool Deutsch() const { return m_deutsch; }
    bool Automatik() const { return m_automatik; }

    // [Commands]
    // "lab": the conditions and variables of the current sentence; the page stays.
    void SetSentenceMacros();
    // "labnext": a sentence not among the recent ones, then its variables (the caller loads
    // "labor.htx").
    void DrawNextSentence();
    // "lablist": "laborliste.htx" with one link per theme in "LabListe".
    void ShowThemeList();
    // "thema" + NN: another theme forgets the recent sentences and draws one; the same theme
    // keeps its sentence. Then the variables (the caller loads "labor.htx").
    void SelectTheme(int theme);

    // [State]
    int ThemeCount() const { return static_cast<int>(m_themes.size()); }
    const TThema& Theme(int index) const { return m_themes[static_cast<std::size_t>(index)]; }
    int CurrentTheme() const { return m_theme; }
    // -1 when the current theme has no sentences.
    int CurrentSentence() const { return m_sentence; }
    const std::vector<int>& RecentSentences() const { return m_recent; }
    LabSettings Settings() const { return {m_theme, m_diktat, m_deutsch, m_automatik}; }

private:
    int ValidTheme(int theme) const;
    int SentenceCount() const;
    void DrawSentence();
    std::string Resolved(const std::string& storedPath) const;

    std::vector<TThema> m_themes;
    TrainingPage* m_page = nullptr;
    RegistryStore& m_registry;
    ResolveRecording m_resolve;
    RandomDraw m_draw;
    int m_theme = 0;
    int m_sentence = -1;
    std::vector<int> m_recent;
    bool m_diktat = true;
    bool m_deutsch = true;
    bool m_automatik = false;
};

// The markup of the theme list: per theme a link "§thema NN;lab" with its name and a line break.
std::string ThemeListMarkup(const std::vector<TThema>& themes);

// The program's lab: the built-in collection, the local-machine registry and the random source.
std::unique_ptr<TThemenListe> CreateThemenListe(TrainingPage* page, ResolveRecording resolve);

} // namespace qor

#include "vocab/lab/TThemenListe.h"

#include "page/sources/TZIPResource.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/RegistryStore.h"
#include "vocab/TrainingPage.h"
#include "vocab/lab/SentenceCollection.h"

#include <algorithm>
#include <cstdio>

namespace qor {

TThemenListe::TThemenListe(std::vector<TThema> themes, TrainingPage* page, RegistryStore& registry,
                           ResolveRecording resolve, RandomDraw draw)
    : m_themes(std::move(themes)), m_page(page), m_registry(registry), m_resolve(std::move(resolve)),
      m_draw(std::move(draw)) {
    const LabSettings settings = ReadLabSettings(m_registry);
    m_theme = ValidTheme(settings.thema);
    m_diktat = settings.diktat;
    m_deutsch = settings.deutsch;
    m_automatik = settings.automatik;
    // Without a first draw every start would open on the theme's first sentence.
    DrawSentence();
}

TThemenListe::~TThemenListe() {
    WriteLabSettings(m_registry, Settings());
}

int TThemenListe::ValidTheme(int theme) const {
    return theme >= 0 && theme < ThemeCount() ? theme : 0;
}

int TThemenListe::SentenceCount() const {
    return m_theme < ThemeCount() ? m_themes[static_cast<std::size_t>(m_theme)].Saetze.Count() : 0;
}

// The recent list never holds every sentence of the theme (it is cut to one less than
// min(20, count) after each draw), so a free one always exists.
void TThemenListe::DrawSentence() {
    const int count = SentenceCount();
    if (count == 0) {
        m_sentence = -1;
        return;
    }
    auto isRecent = [this](int index) {
        return std::find(m_recent.begin(), m_recent.end(), index) != m_recent.end();
    };
    int index = 0;
    int tries = 0;
    do {
        index = std::clamp(m_draw ? m_draw(count) : RandomBelow(count), 0, count - 1);
    } while (isRecent(index) && ++tries < kMaxRefusedDraws);
    // Only a broken draw gets here; the first free sentence keeps the lab going.
    while (isRecent(index))
        index = (index + 1) % count;
    m_recent.push_back(index);
    if (static_cast<int>(m_recent.size()) >= std::min(kRecentLimit, count))
        m_recent.erase(m_recent.begin());
    m_sentence = index;
}

std::string TThemenListe::Resolved(const std::string& storedPath) const {
    if (storedPath.empty() || !m_resolve)
        return {};
    return m_resolve(storedPath);
}

void TThemenListe::SetSentenceMacros() {
    if (!m_page)
        return;
    TrainingPage& page = *m_page;
    page.SetCondition("diktat", m_diktat);
    page.SetCondition("deutsch", m_deutsch);
    page.SetCondition("autoread", m_automatik);

    const TSatz empty;
    const bool hasSentence = m_sentence >= 0 && m_sentence < SentenceCount();
    const TSatz& satz =
        hasSentence ? m_themes[static_cast<std::size_t>(m_theme)].Saetze.At(m_sentence) : empty;
    page.SetMacro("Thema", m_theme < ThemeCount() ? std::string_view(m_themes[m_theme].Name) : "");

    const std::string normal = Resolved(NormalSpeedPath(satz.Aufnahme));
    const std::string slow = Resolved(satz.Aufnahme);
    page.SetMacro("Normal", normal);
    page.SetCondition("normal", !normal.empty());
    page.SetMacro("Langsam", slow);
    page.SetCondition("langsam", !slow.empty());
    page.SetMacro("LabSatz", satz.Franzoesisch);
    page.SetMacro("LabDeutsch", satz.Deutsch);

    // Outside a dictation the answer stays off the page variables.
    if (page.TestCondition("diktat")) {
        std::string solutions = satz.Franzoesisch;
        if (!satz.Alternative.empty())
            solutions += "; " + satz.Alternative;
        page.SetMacro("lsg", solutions);
        page.SetMacro("help", satz.Hinweis);
    } else {
        page.SetMacro("lsg", "");
        page.SetMacro("help", "");
    }
}

void TThemenListe::DrawNextSentence() {
    DrawSentence();
    SetSentenceMacros();
}

void TThemenListe::ShowThemeList() {
    if (!m_page)
        return;
    m_page->SetMacro("LabListe", ThemeListMarkup(m_themes));
    m_page->LoadPage("laborliste.htx");
    // The list is only needed while the page is built.
    m_page->SetMacro("LabListe", "");
}

void TThemenListe::SelectTheme(int theme) {
    theme = ValidTheme(theme);
    if (theme != m_theme) {
        m_theme = theme;
        m_recent.clear();
        DrawSentence();
    }
    SetSentenceMacros();
}

std::string ThemeListMarkup(const std::vector<TThema>& themes) {
    std::string markup;
    for (std::size_t i = 0; i < themes.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", static_cast<int>(i));
        markup += "<a href=\"";
        markup += "§thema"_cp;
        markup += number;
        markup += ";lab\" >";
        markup += themes[i].Name;
        markup += "</a><br>";
    }
    return markup;
}

std::unique_ptr<TThemenListe> CreateThemenListe(TrainingPage* page, ResolveRecording resolve) {
    TZIPResource block(TextBlock::Sentences);
    return std::make_unique<TThemenListe>(ReadSentenceCollection(block), page,
                                          Registry(RegistryHive::LocalMachine), std::move(resolve));
}

} // namespace qor

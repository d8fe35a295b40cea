#include "vocab/styles/StyleRunner.h"

#include "settings/TSuperOptions.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"

namespace qor {

StyleRunner::StyleRunner(StyleEnvironment environment) : m_env(std::move(environment)) {}

StyleRunner::~StyleRunner() = default;

std::unique_ptr<SuperItemSequence> StyleRunner::MakeItems() const {
    SuperItemRange range;
    range.modus = m_env.settings->Modus;
    range.von = m_env.settings->Von;
    range.bis = m_env.settings->Bis;
    const bool speech = m_env.options && m_env.options->Flag(SuperFlag::Sprachausgabe);
    return std::make_unique<SuperItemSequence>(*m_env.library, range, speech, m_env.findRecording);
}

void StyleRunner::NextRoundLibrary() {
    if (m_env.nextRoundLibrary) {
        m_env.nextRoundLibrary();
        return;
    }
    m_env.library->LoadRandomArea({});
    m_env.settings->Von = 0;
    m_env.library->SetQueryEnd(m_env.library->Count() - 1);
    m_env.settings->Bis = m_env.library->Count() - 1;
}

bool StyleRunner::Create(StyleKind kind) {
    switch (kind) {
    case StyleKind::Techno:
        m_items = MakeItems();
        m_techno = std::make_unique<TTechnoStyle>(*m_env.screen, m_env.music, *m_env.fonts, *m_items,
                                                  m_env.options ? TechnoSettingsOf(*m_env.options)
                                                                : TechnoSettings{},
                                                  m_env.readPicture, m_env.playRecording);
        return m_techno->Create();
    case StyleKind::Seventies:
        m_items = MakeItems();
        m_seventies = std::make_unique<TSeventies>(
            *m_env.screen, m_env.music, *m_env.fonts, *m_items,
            m_env.options ? SeventiesSettingsOf(*m_env.options) : SeventiesSettings{}, m_env.playRecording);
        return true;
    case StyleKind::Bingo: {
        BingoEnvironment game;
        game.screen = m_env.screen;
        game.music = m_env.music;
        game.library = m_env.library;
        game.settings = m_env.settings;
        game.fonts = m_env.fonts;
        game.vegasFaktor = m_env.options ? m_env.options->Integer(SuperInt::VegasFaktor) : 100;
        game.drawQuestion = m_env.drawQuestion;
        game.nextRoundLibrary = [this] { NextRoundLibrary(); };
        if (m_env.users)
            game.recordResult = RecordToUser(*m_env.users);
        m_bingo = std::make_unique<TBingo>(std::move(game));
        return true;
    }
    }
    return false;
}

void StyleRunner::Prepare(StyleKind kind) {
    if (kind == StyleKind::Techno && m_techno)
        m_techno->Prepare();
}

void StyleRunner::Run(StyleKind kind) {
    switch (kind) {
    case StyleKind::Techno:
        if (m_techno)
            m_techno->Run();
        break;
    case StyleKind::Seventies:
        if (m_seventies)
            m_seventies->Run();
        break;
    case StyleKind::Bingo:
        if (m_bingo)
            m_bingo->Run();
        break;
    }
}

void StyleRunner::Stop(StyleKind kind) {
    if (kind == StyleKind::Techno && m_techno)
        m_techno->Stop();
    if (kind == StyleKind::Seventies && m_seventies)
        m_seventies->Stop();
    if (kind == StyleKind::Bingo && m_bingo)
        m_bingo->Stop();
}

void StyleRunner::Advance(StyleKind kind) {
    if (kind == StyleKind::Bingo && m_bingo)
        m_bingo->Click();
    if (kind == StyleKind::Techno && m_techno)
        m_techno->Click();
}

void StyleRunner::Free(StyleKind kind) {
    if (kind == StyleKind::Techno)
        m_techno.reset();
    if (kind == StyleKind::Seventies)
        m_seventies.reset();
    if (kind == StyleKind::Bingo)
        m_bingo.reset();
    if (!m_techno && !m_seventies)
        m_items.reset();
}

} // namespace qor

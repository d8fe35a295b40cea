#include "app/StyleServices.h"

#include "vocab/styles/StyleRunner.h"

namespace qor {

namespace {

StyleKind KindOf(PresentationStyle style) {
    switch (style) {
    case PresentationStyle::Techno:
        return StyleKind::Techno;
    case PresentationStyle::Seventies:
        return StyleKind::Seventies;
    case PresentationStyle::Bingo:
        break;
    }
    return StyleKind::Bingo;
}

} // namespace

StyleSetup::StyleSetup() = default;
StyleSetup::StyleSetup(StyleSetup&&) noexcept = default;
StyleSetup& StyleSetup::operator=(StyleSetup&&) noexcept = default;
StyleSetup::~StyleSetup() = default;

StyleServices::StyleServices(std::function<StyleSetup()> setup) : m_setup(std::move(setup)) {}

StyleServices::~StyleServices() {
    m_runner.reset();
}

bool StyleServices::Create(PresentationStyle style) {
    if (!m_runner) {
        StyleSetup setup = m_setup();
        m_music = std::move(setup.music);
        StyleEnvironment environment = setup.environment ? *setup.environment : StyleEnvironment{};
        environment.music = m_music.get();
        m_runner = std::make_unique<StyleRunner>(std::move(environment));
    }
    ++m_created;
    return m_runner->Create(KindOf(style));
}

void StyleServices::Prepare(PresentationStyle style) {
    if (m_runner)
        m_runner->Prepare(KindOf(style));
}

void StyleServices::Run(PresentationStyle style) {
    if (m_runner)
        m_runner->Run(KindOf(style));
}

void StyleServices::Stop(PresentationStyle style) {
    if (m_runner)
        m_runner->Stop(KindOf(style));
}

void StyleServices::Advance(PresentationStyle style) {
    if (m_runner)
        m_runner->Advance(KindOf(style));
}

void StyleServices::Free(PresentationStyle style) {
    if (!m_runner)
        return;
    m_runner->Free(KindOf(style));
    // The environment is gathered again for the next run: the options or the library may have
    // been replaced meanwhile.
    if (--m_created <= 0) {
        m_created = 0;
        m_runner.reset();
        m_music.reset();
    }
}

} // namespace qor

#pragma once
// The page commands' view of the presentation styles. The styles' objects are made for one run;
// what they need (the page to draw on, the library, the options) is gathered when a style is
// created, because the options and the library may be made late.

#include "app/CommandServices.h"
#include "app/MainWindowState.h"

#include <functional>
#include <memory>

namespace qor {

class StyleMusic;
class StyleRunner;
struct StyleEnvironment;

// What one run of a style works with; the music belongs to the run.
struct StyleSetup {
    StyleSetup();
    StyleSetup(StyleSetup&&) noexcept;
    StyleSetup& operator=(StyleSetup&&) noexcept;
    ~StyleSetup();

    std::unique_ptr<StyleEnvironment> environment;
    std::unique_ptr<StyleMusic> music; // may be null: no music
};

class StyleServices : public StyleService {
public:
    explicit StyleServices(std::function<StyleSetup()> setup);
    ~StyleServices() override;

    bool Create(PresentationStyle style) override;
    void Prepare(PresentationStyle style) override;
    void Run(PresentationStyle style) override;
    void Stop(PresentationStyle style) override;
    void Advance(PresentationStyle style) override;
    void Free(PresentationStyle style) override;

    // The running styles, for tests and tools; null when none runs.
    StyleRunner* Runner() { return m_runner.get(); }

private:
    std::function<StyleSetup()> m_setup;
    std::unique_ptr<StyleMusic> m_music; // outlives the runner that plays it
    std::unique_ptr<StyleRunner> m_runner;
    int m_created = 0;
};

} // namespace qor

#include "app/StyleServices.h"

#include "platform/Fonts.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/styles/FakeStyleScreen.h"
#include "vocab/styles/StyleMusic.h"
#include "vocab/styles/StyleRunner.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct MusicLog {
    int started = 0;
    int stopped = 0;
    int destroyed = 0;
};

class LoggedMusic : public StyleMusic {
public:
    explicit LoggedMusic(MusicLog& log) : m_log(log) {}
    ~LoggedMusic() override { ++m_log.destroyed; }
    void Start() override { ++m_log.started; }
    void Advance() override {}
    void Stop() override { ++m_log.stopped; }

private:
    MusicLog& m_log;
};

class StyleServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::Fill(m_library, {test::Voc("chat", "Katze"), test::Voc("chien", "Hund")});
        m_settings.Von = 0;
        m_settings.Bis = 1;
        m_library.SetSettings(&m_settings);
    }

    StyleSetup MakeSetup() {
        ++m_setups;
        StyleSetup setup;
        setup.music = std::make_unique<LoggedMusic>(m_music);
        setup.environment = std::make_unique<StyleEnvironment>();
        setup.environment->screen = &m_screen;
        setup.environment->fonts = &m_fonts;
        setup.environment->library = &m_library;
        setup.environment->settings = &m_settings;
        return setup;
    }

    test::FakeStyleScreen m_screen;
    FixedAdvanceFonts m_fonts;
    TBibliothek m_library;
    TVocEinstellungen m_settings;
    MusicLog m_music;
    int m_setups = 0;
    StyleServices m_styles{[this] { return MakeSetup(); }};
};

TEST_F(StyleServicesTest, EachRunGathersWhatItNeedsAnewAndPlaysItsOwnMusic) {
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(m_styles.Create(PresentationStyle::Seventies));
        EXPECT_EQ(m_setups, run);
        ASSERT_NE(m_styles.Runner(), nullptr);
        ASSERT_NE(m_styles.Runner()->Seventies(), nullptr);
        // Stopped before it runs: the typewriter starts and stops its music and ends at once.
        m_styles.Stop(PresentationStyle::Seventies);
        m_styles.Run(PresentationStyle::Seventies);
        EXPECT_EQ(m_music.started, run);
        EXPECT_EQ(m_music.stopped, run);
        m_styles.Free(PresentationStyle::Seventies);
        EXPECT_EQ(m_styles.Runner(), nullptr);
        EXPECT_EQ(m_music.destroyed, run) << "the music goes with its run";
    }
}

TEST_F(StyleServicesTest, CallsWithoutARunningStyleDoNothing) {
    for (PresentationStyle style :
         {PresentationStyle::Techno, PresentationStyle::Seventies, PresentationStyle::Bingo}) {
        m_styles.Prepare(style);
        m_styles.Run(style);
        m_styles.Stop(style);
        m_styles.Advance(style);
        m_styles.Free(style);
    }
    EXPECT_EQ(m_setups, 0);
    EXPECT_EQ(m_styles.Runner(), nullptr);
}

TEST_F(StyleServicesTest, TheGameIsMadeFromTheSameSetupAndFreedWithIt) {
    ASSERT_TRUE(m_styles.Create(PresentationStyle::Bingo));
    ASSERT_NE(m_styles.Runner()->Bingo(), nullptr);
    EXPECT_EQ(m_styles.Runner()->Bingo()->GermanEntries() + m_styles.Runner()->Bingo()->ForeignEntries(), 2);
    m_styles.Free(PresentationStyle::Bingo);
    EXPECT_EQ(m_styles.Runner(), nullptr);
    EXPECT_EQ(m_setups, 1);
}

} // namespace
} // namespace qor

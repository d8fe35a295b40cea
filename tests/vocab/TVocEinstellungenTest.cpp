#include "vocab/TVocEinstellungen.h"

#include "VocabTestSupport.h"
#include "platform/RegistryStore.h"

#include <memory>

namespace qor::test {
namespace {

using Difficulties = std::array<bool, TVocEinstellungen::kDifficultyCount>;

class SettingsRegistryTest : public ::testing::Test {
protected:
    TempFolder m_temp;
    std::unique_ptr<RegistryStore> m_registry = OpenFileRegistry((m_temp.Path() / "registry.txt").string());

    void WriteText(std::string_view name, std::string_view value) {
        ASSERT_TRUE(m_registry->WriteText(QuerySettingsKey(), name, value));
    }
    void WriteInteger(std::string_view name, int value) {
        ASSERT_TRUE(m_registry->WriteInteger(QuerySettingsKey(), name, value));
    }
};

TEST(QuerySettings, AFreshObjectAsksNothingUntilReadOrPreset) {
    const TVocEinstellungen settings;
    EXPECT_TRUE(settings.NeedsReading());
    EXPECT_EQ(settings.Von, 0);
    EXPECT_EQ(settings.Bis, -1);
    EXPECT_EQ(settings.MaxScore, 75);
    EXPECT_EQ(settings.Modus, 0);
    EXPECT_EQ(settings.ProRunde, 0);
    EXPECT_EQ(settings.MultipleChoiceEintippen, 0);
    EXPECT_EQ(settings.Richtung, 0);
    EXPECT_FALSE(settings.Redewendungen);
    EXPECT_FALSE(settings.Kontext);
    EXPECT_EQ(settings.NichtZuSchwer, Difficulties{});
    for (int difficulty = -1; difficulty <= 5; ++difficulty)
        EXPECT_FALSE(settings.DifficultyAllowed(difficulty)) << difficulty;
}

TEST(QuerySettings, TheKeyIsWindows1252) {
    EXPECT_EQ(QuerySettingsKey(), "SOFTWARE\\QOR\\qor franz\xF6sisch\\Vokabeln");
}

TEST_F(SettingsRegistryTest, MissingValuesTakeTheirDefaults) {
    TVocEinstellungen settings;
    settings.Read(*m_registry);
    EXPECT_FALSE(settings.NeedsReading());
    EXPECT_EQ(settings.Modus, kModusKreuzUndQuer);
    EXPECT_EQ(settings.MultipleChoiceEintippen, 50);
    EXPECT_EQ(settings.Richtung, kBeideRichtungen);
    EXPECT_TRUE(settings.Kontext);
    EXPECT_TRUE(settings.Redewendungen);
    EXPECT_EQ(settings.NichtZuSchwer, (Difficulties{true, true, true, true, true}));
    EXPECT_EQ(settings.MaxScore, 75);
    // Not kept in the registry at all.
    EXPECT_EQ(settings.Von, 0);
    EXPECT_EQ(settings.Bis, -1);
    EXPECT_EQ(settings.ProRunde, 0);
}

TEST_F(SettingsRegistryTest, ModeAndDirectionTextsAreReadExactly) {
    struct Case {
        std::string modus;
        int expectedModus;
        std::string richtung;
        int expectedRichtung;
    };
    const std::vector<Case> cases = {
        {"vor", kModusVorwaerts, "D-E", kDeutschFranzoesisch},
        {std::string("zurück"_cp), kModusRueckwaerts, "E-D", kFranzoesischDeutsch},
        {"kreuzundquer", kModusKreuzUndQuer, "Beides", kBeideRichtungen},
        {"Vor", kModusKreuzUndQuer, "d-e", kBeideRichtungen},
        {"", kModusKreuzUndQuer, "", kBeideRichtungen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modus + " / " + c.richtung);
        WriteText("Modus", c.modus);
        WriteText("Richtung", c.richtung);
        TVocEinstellungen settings;
        settings.Read(*m_registry);
        EXPECT_EQ(settings.Modus, c.expectedModus);
        EXPECT_EQ(settings.Richtung, c.expectedRichtung);
    }
}

TEST_F(SettingsRegistryTest, OneMissingDifficultyAllowsAllFive) {
    WriteInteger("NichtZuSchwer1", 0);
    WriteInteger("NichtZuSchwer2", 0);
    WriteInteger("NichtZuSchwer3", 1);
    WriteInteger("NichtZuSchwer4", 0);
    TVocEinstellungen settings;
    settings.Read(*m_registry);
    EXPECT_EQ(settings.NichtZuSchwer, (Difficulties{true, true, true, true, true}));

    WriteInteger("NichtZuSchwer5", 1);
    settings.Read(*m_registry);
    EXPECT_EQ(settings.NichtZuSchwer, (Difficulties{false, false, true, false, true}));
}

TEST_F(SettingsRegistryTest, WrittenSettingsReadBackTheSame) {
    struct Case {
        int modus;
        std::string modusText;
        int richtung;
        std::string richtungText;
    };
    const std::vector<Case> cases = {
        {kModusVorwaerts, "vor", kFranzoesischDeutsch, "E-D"},
        {kModusRueckwaerts, std::string("zurück"_cp), kDeutschFranzoesisch, "D-E"},
        {kModusKreuzUndQuer, "kreuzundquer", kBeideRichtungen, "Beides"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modusText);
        TVocEinstellungen written;
        written.Modus = c.modus;
        written.Richtung = c.richtung;
        written.MultipleChoiceEintippen = 33;
        written.Kontext = false;
        written.Redewendungen = true;
        written.NichtZuSchwer = {false, true, false, true, false};
        written.MaxScore = -20;
        written.Write(*m_registry);

        EXPECT_EQ(m_registry->ReadText(QuerySettingsKey(), "Modus", "?"), c.modusText);
        EXPECT_EQ(m_registry->ReadText(QuerySettingsKey(), "Richtung", "?"), c.richtungText);

        // Through a fresh store, as the next program start sees it.
        auto reopened = OpenFileRegistry((m_temp.Path() / "registry.txt").string());
        TVocEinstellungen read;
        read.Read(*reopened);
        EXPECT_EQ(read.Modus, c.modus);
        EXPECT_EQ(read.Richtung, c.richtung);
        EXPECT_EQ(read.MultipleChoiceEintippen, 33);
        EXPECT_FALSE(read.Kontext);
        EXPECT_TRUE(read.Redewendungen);
        EXPECT_EQ(read.NichtZuSchwer, (Difficulties{false, true, false, true, false}));
        EXPECT_EQ(read.MaxScore, -20);
    }
}

TEST_F(SettingsRegistryTest, ReadOnceKeepsWhatChangedSince) {
    TVocEinstellungen settings;
    settings.ReadOnce(*m_registry);
    EXPECT_EQ(settings.MultipleChoiceEintippen, 50);
    settings.MultipleChoiceEintippen = 10;
    WriteInteger("Multiple Choice/Eintippen", 90);
    settings.ReadOnce(*m_registry);
    EXPECT_EQ(settings.MultipleChoiceEintippen, 10);
    settings.Read(*m_registry);
    EXPECT_EQ(settings.MultipleChoiceEintippen, 90);
}

TEST(QuerySettings, DifficultyPresetsSetARandomQueryOfTwelve) {
    const std::vector<Difficulties> expected = {
        {true, true, true, false, false},
        {false, true, true, true, false},
        {false, false, false, true, true},
        {true, true, true, true, true},
    };
    for (int preset = 0; preset < TVocEinstellungen::kPresetCount; ++preset) {
        for (bool kontext : {false, true}) {
            SCOPED_TRACE(preset);
            TVocEinstellungen settings;
            settings.Kontext = kontext;
            settings.Von = 4;
            settings.Bis = 9;
            settings.MaxScore = 10;
            settings.ApplyDifficultyPreset(preset);
            EXPECT_EQ(settings.Modus, kModusKreuzUndQuer);
            EXPECT_EQ(settings.MultipleChoiceEintippen, 60);
            EXPECT_EQ(settings.Richtung, kBeideRichtungen);
            EXPECT_TRUE(settings.Redewendungen);
            EXPECT_EQ(settings.Von, 0);
            EXPECT_EQ(settings.Bis, -1);
            EXPECT_EQ(settings.ProRunde, 12);
            EXPECT_EQ(settings.MaxScore, 75);
            EXPECT_EQ(settings.NichtZuSchwer, expected[preset]);
            EXPECT_EQ(settings.Kontext, kontext);
        }
    }
}

} // namespace
} // namespace qor::test

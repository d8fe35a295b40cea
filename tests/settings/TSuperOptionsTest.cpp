// The superlearning options: defaults, clamping, colour groups, the registry round trip, the
// changed flag, the folders and the music.

#include "settings/TSuperOptions.h"

#include "MemoryRegistry.h"
#include "SettingsTestSupport.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace qor {
namespace {

class NamedFonts : public FixedAdvanceFonts {
public:
    explicit NamedFonts(std::set<std::string> names) : m_names(std::move(names)) {}
    bool IsInstalled(std::string_view name) const override { return m_names.count(std::string(name)) > 0; }

private:
    std::set<std::string> m_names;
};

class FakeMedia : public MediaCommandSender {
public:
    std::vector<std::string> sent;
    std::map<std::string, std::string> replies; // by command prefix

    std::string Send(std::string_view command) override {
        sent.emplace_back(command);
        for (const auto& [prefix, reply] : replies)
            if (command.starts_with(prefix))
                return reply;
        return "";
    }
    std::string ErrorText(int number) override { return "Fehler " + std::to_string(number); }
};

class SuperOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { SetMessagePresenter(&m_messages); }
    void TearDown() override { SetMessagePresenter(nullptr); }

    SuperOptionsEnvironment Environment() const {
        SuperOptionsEnvironment environment;
        environment.programFolder = m_temp.Folder();
        environment.pageRoot = m_temp.Folder();
        environment.fonts = &m_fonts;
        return environment;
    }
    std::unique_ptr<TSuperOptions> Create() {
        return std::make_unique<TSuperOptions>(m_registry, Environment());
    }
    void WriteInt(std::string_view name, int value) { m_registry.WriteInteger(kSuperKey, name, value); }
    void WriteText(std::string_view name, std::string_view value) {
        m_registry.WriteText(kSuperKey, name, value);
    }

    test::TempFolder m_temp;
    test::MemoryRegistry m_registry;
    FixedAdvanceFonts m_fonts;
    ScriptedMessagePresenter m_messages;
};

TEST(SuperHexColour, ParsesStoredColours) {
    struct Case {
        std::string text;
        std::optional<std::int32_t> value;
    };
    const std::vector<Case> cases = {
        {"FFFFFF", 0xFFFFFF},        {"0", 0},
        {"990099", 0x990099},        {"ff00aa", 0xFF00AA},
        {"", std::nullopt},          {"$FF", std::nullopt},
        {"12G", std::nullopt},       {" FF", std::nullopt},
        {"-1", std::nullopt},        {"FFFFFFFF", -1},
        {"123456789", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseHexColour(c.text), c.value);
    }
    EXPECT_EQ(FormatHexColour(0), "000000");
    EXPECT_EQ(FormatHexColour(0x990099), "990099");
    EXPECT_EQ(FormatHexColour(0xabc), "000ABC");
}

TEST_F(SuperOptionsTest, AnEmptyRegistryGivesTheDefaults) {
    auto options = Create();
    for (const SuperIntEntry& entry : kSuperIntTable) {
        SCOPED_TRACE(std::string(entry.name));
        int expected = entry.id == SuperInt::Musik ? kMusicNone : entry.fallback; // no MP3 folder here
        EXPECT_EQ(options->Integer(entry.id), expected);
    }
    struct FlagCase {
        SuperFlag id;
        bool value;
    };
    for (FlagCase c : std::vector<FlagCase>{{SuperFlag::Sprachausgabe, false},
                                            {SuperFlag::TechnoScrolling, false},
                                            {SuperFlag::TechnoFading, true},
                                            {SuperFlag::OhneHintergrund, false},
                                            {SuperFlag::SchwarzWeiss, false}})
        EXPECT_EQ(options->Flag(c.id), c.value) << static_cast<int>(c.id);
    EXPECT_EQ(options->Text(SuperText::Schrift), "Arial");
    EXPECT_EQ(options->Text(SuperText::MP3), m_temp.Folder() + "MP3/");
    EXPECT_EQ(options->Text(SuperText::TechnoPhotoDir), ""); // no Techno folder
    EXPECT_EQ(options->Text(SuperText::TechnoSchrift), "Verdana");
    EXPECT_EQ(options->Text(SuperText::DD), "");
    EXPECT_EQ(options->Colour(SuperColour::CarsonBGRColor), 0xFFFFFF);
    EXPECT_EQ(options->Colour(SuperColour::CarsonTXTColor), 0);
    EXPECT_EQ(options->Colour(SuperColour::TechnoBGRColor), 0);
    EXPECT_EQ(options->Colour(SuperColour::TechnoTextColor), 0xFFFFFF);
    EXPECT_EQ(options->Colour(SuperColour::TechnoBMPColor), 0x990099);
    EXPECT_FALSE(options->Changed());
}

TEST_F(SuperOptionsTest, DefaultsThatDependOnTheInstallation) {
    m_temp.Touch("MP3/a.mp3");
    m_temp.MakeFolder("Techno");
    std::string wave = m_temp.MakeFolder("wave");
    m_temp.Touch("wave/QOR_F");
    SuperOptionsEnvironment environment = Environment();
    environment.waveFolder = wave;
    TSuperOptions options(m_registry, environment);
    EXPECT_EQ(options.Integer(SuperInt::Musik), kMusicMp3);
    EXPECT_EQ(options.Mp3Files().size(), 1u);
    EXPECT_TRUE(options.Flag(SuperFlag::Sprachausgabe));
    EXPECT_EQ(options.Text(SuperText::TechnoPhotoDir), m_temp.Folder() + "Techno/");
}

TEST_F(SuperOptionsTest, TheTechnoFontFallsBackInOrder) {
    struct Case {
        std::set<std::string> installed;
        std::string font;
    };
    const std::vector<Case> cases = {
        {{"Andale Mono", "Verdana"}, "Andale Mono"}, {{"Verdana"}, "Verdana"}, {{}, "courier new"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.font);
        NamedFonts fonts(c.installed);
        SuperOptionsEnvironment environment = Environment();
        environment.fonts = &fonts;
        TSuperOptions options(m_registry, environment);
        EXPECT_EQ(options.Text(SuperText::TechnoSchrift), c.font);
    }
}

TEST_F(SuperOptionsTest, IntegersAreClampedWhenRead) {
    for (const SuperIntEntry& entry : kSuperIntTable) {
        if (entry.id == SuperInt::Musik)
            continue; // the music also depends on the files found
        SCOPED_TRACE(std::string(entry.name));
        struct Case {
            std::int32_t stored;
            int read;
        };
        const std::vector<Case> cases = {
            {entry.minimum - 1, entry.minimum},
            {entry.minimum, entry.minimum},
            {entry.maximum, entry.maximum},
            {entry.maximum + 1, entry.maximum},
            {INT32_MIN, entry.minimum},
            {INT32_MAX, entry.maximum},
            {(entry.minimum + entry.maximum) / 2, (entry.minimum + entry.maximum) / 2},
        };
        for (const Case& c : cases) {
            WriteInt(entry.name, c.stored);
            EXPECT_EQ(Create()->Integer(entry.id), c.read) << c.stored;
        }
    }
}

TEST_F(SuperOptionsTest, ValuesOfTheWrongTypeGiveTheirDefaults) {
    WriteText("Madness", "7");
    WriteInt("Schrift", 3);
    WriteText("TechnoFading", "0");
    auto options = Create();
    EXPECT_EQ(options->Integer(SuperInt::Madness), 9);
    EXPECT_EQ(options->Text(SuperText::Schrift), "Arial");
    EXPECT_TRUE(options->Flag(SuperFlag::TechnoFading));
}

TEST_F(SuperOptionsTest, ABrokenColourResetsItsWholeGroup) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> stored;
        std::array<std::int32_t, 5> read; // Carson BGR, TXT; Techno BGR, Text, BMP
    };
    const std::vector<Case> cases = {
        {"all read",
         {{"CarsonBGRColor", "123456"}, {"CarsonTXTColor", "ABCDEF"}, {"TechnoBMPColor", "1"}},
         {0x123456, 0xABCDEF, 0, 0xFFFFFF, 1}},
        {"group 1 broken",
         {{"CarsonBGRColor", "123456"}, {"CarsonTXTColor", "xyz"}, {"TechnoBGRColor", "10"}},
         {0xFFFFFF, 0, 0x10, 0xFFFFFF, 0x990099}},
        {"group 2 broken",
         {{"CarsonTXTColor", "77"}, {"TechnoBGRColor", "10"}, {"TechnoBMPColor", ""}},
         {0xFFFFFF, 0x77, 0, 0xFFFFFF, 0x990099}},
        {"both broken",
         {{"CarsonBGRColor", "#FFF"}, {"TechnoTextColor", "0x1"}},
         {0xFFFFFF, 0, 0, 0xFFFFFF, 0x990099}},
        {"missing values take their own default", {{"TechnoTextColor", "2"}}, {0xFFFFFF, 0, 0, 2, 0x990099}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryRegistry registry;
        for (const auto& [name, value] : c.stored)
            registry.WriteText(kSuperKey, name, value);
        TSuperOptions options(registry, Environment());
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(options.Colour(static_cast<SuperColour>(i)), c.read[i]) << i;
    }
}

TEST_F(SuperOptionsTest, ChangesAreSavedWhenFreedAndReadBack) {
    m_temp.Touch("MP3/a.mp3");
    {
        auto options = Create();
        options->SetInteger(SuperInt::TechnoSpeed, -20);
        options->SetInteger(SuperInt::KlassikFaktor, 300); // the dialog allows more than is read back
        options->SetInteger(SuperInt::DDBGRDelay, 1200);   // "20 Minuten"
        options->SetFlag(SuperFlag::SchwarzWeiss, true);
        options->SetFlag(SuperFlag::TechnoFading, false);
        options->SetText(SuperText::Schrift, "Comic Sans MS");
        options->SetText(SuperText::DD, "C:/x/seite.htx");
        options->SetColour(SuperColour::TechnoBMPColor, 0x0A0B0C);
        options->SetColour(SuperColour::CarsonTXTColor, 0x123);
        EXPECT_TRUE(options->Changed());
        EXPECT_EQ(options->Integer(SuperInt::KlassikFaktor), 300);
    }
    EXPECT_EQ(m_registry.ReadText(kSuperKey, "TechnoBMPColor"), "0A0B0C");
    EXPECT_EQ(m_registry.ReadInteger(kSuperKey, "Schwarz-Weiß"_cp), 1);
    auto options = Create();
    EXPECT_EQ(options->Integer(SuperInt::TechnoSpeed), -20);
    EXPECT_EQ(options->Integer(SuperInt::KlassikFaktor), 180);
    EXPECT_EQ(options->Integer(SuperInt::DDBGRDelay), 600);
    EXPECT_EQ(options->Integer(SuperInt::Musik), kMusicMp3);
    EXPECT_TRUE(options->Flag(SuperFlag::SchwarzWeiss));
    EXPECT_FALSE(options->Flag(SuperFlag::TechnoFading));
    EXPECT_EQ(options->Text(SuperText::Schrift), "Comic Sans MS");
    EXPECT_EQ(options->Text(SuperText::DD), "C:/x/seite.htx");
    EXPECT_EQ(options->Colour(SuperColour::TechnoBMPColor), 0x0A0B0C);
    EXPECT_EQ(options->Colour(SuperColour::CarsonTXTColor), 0x123);
    EXPECT_FALSE(options->Changed());
}

TEST_F(SuperOptionsTest, NothingIsWrittenWithoutAChange) {
    {
        auto options = Create();
        options->SetInteger(SuperInt::Madness, 9);
        options->SetFlag(SuperFlag::TechnoFading, true);
        options->SetText(SuperText::Schrift, "Arial");
        options->SetColour(SuperColour::TechnoBMPColor, 0x990099);
        EXPECT_FALSE(options->Changed());
    }
    EXPECT_EQ(m_registry.writes, 0);
}

TEST_F(SuperOptionsTest, AFailedSaveKeepsTheChangedFlag) {
    auto options = Create();
    options->SetInteger(SuperInt::Madness, 3);
    m_registry.refuseWrites = true;
    EXPECT_FALSE(options->Save());
    EXPECT_TRUE(options->Changed());
}

TEST_F(SuperOptionsTest, ResetGivesTheDefaultsAndCountsAsAChange) {
    WriteInt("Madness", 2);
    WriteText("Schrift", "Verdana");
    auto options = Create();
    EXPECT_EQ(options->Integer(SuperInt::Madness), 2);
    options->ResetToDefaults();
    EXPECT_EQ(options->Integer(SuperInt::Madness), 9);
    EXPECT_EQ(options->Text(SuperText::Schrift), "Arial");
    EXPECT_TRUE(options->Changed());
}

TEST_F(SuperOptionsTest, MusicChoices) {
    struct Case {
        const char* name;
        bool mp3Files;
        int choose;
        int music;
        bool speech;
    };
    const std::vector<Case> cases = {
        {"mp3 with files", true, kMusicMp3, kMusicMp3, true},
        {"mp3 without files is refused", false, kMusicMp3, kMusicNone, true},
        {"audio cd silences the speech", false, kMusicAudioCd, kMusicAudioCd, false},
        {"none", true, kMusicNone, kMusicNone, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder temp;
        test::MemoryRegistry registry;
        registry.WriteInteger(kSuperKey, "Sprachausgabe", 1);
        registry.WriteInteger(kSuperKey, "Musik", 0);
        SuperOptionsEnvironment environment = Environment();
        environment.programFolder = temp.Folder();
        temp.MakeFolder("MP3");
        if (c.mp3Files)
            temp.Touch("MP3/sub/lied.MP3");
        TSuperOptions options(registry, environment);
        options.SetMusik(c.choose);
        EXPECT_EQ(options.Integer(SuperInt::Musik), c.music);
        EXPECT_EQ(options.Flag(SuperFlag::Sprachausgabe), c.speech);
    }
}

TEST_F(SuperOptionsTest, MusicFallsBackToNoneWithoutFiles) {
    WriteInt("Musik", kMusicMp3);
    EXPECT_EQ(Create()->Integer(SuperInt::Musik), kMusicNone);
    WriteInt("Musik", kMusicAudioCd);
    EXPECT_EQ(Create()->Integer(SuperInt::Musik), kMusicNone);
    m_temp.Touch("MP3/a.mp3");
    EXPECT_EQ(Create()->Integer(SuperInt::Musik), kMusicAudioCd);
}

TEST_F(SuperOptionsTest, AnEmptyStoredMusicFolderBecomesTheProgramOne) {
    WriteText("MP3", "");
    m_temp.Touch("MP3/a.mp3");
    auto options = Create();
    EXPECT_EQ(options->Text(SuperText::MP3), m_temp.Folder() + "MP3/");
    EXPECT_EQ(options->Mp3Files().size(), 1u);
}

TEST_F(SuperOptionsTest, SettingTheMusicFolder) {
    std::string other = m_temp.MakeFolder("Musik");
    m_temp.Touch("Musik/a.mp3");
    m_temp.Touch("Musik/b.mp3");
    m_temp.Touch("Musik/c.wav");
    auto options = Create();

    options->SetMp3Folder(other.substr(0, other.size() - 1)); // the separator is added
    EXPECT_EQ(options->Text(SuperText::MP3), other);
    EXPECT_EQ(options->Mp3Files().size(), 2u);
    EXPECT_TRUE(options->Changed());
    EXPECT_TRUE(m_messages.Messages().empty());

    options->SetMp3Folder(m_temp.Folder() + "fehlt");
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].flags, 16);
    EXPECT_EQ(m_messages.Messages()[0].text,
              "MP3 : Das Verzeichnis \"" + m_temp.Folder() + "fehlt/\" existiert nicht!");
    EXPECT_EQ(options->Text(SuperText::MP3), "");
    EXPECT_TRUE(options->Mp3Files().empty());
    EXPECT_FALSE(options->Changed());

    options->SetMp3Folder("");
    EXPECT_TRUE(options->Changed());
    EXPECT_EQ(m_messages.Messages().size(), 1u);
}

TEST_F(SuperOptionsTest, SettingThePictureFolder) {
    std::string pictures = m_temp.MakeFolder("Bilder");
    m_temp.Touch("Bilder/tief/a.JPG");
    std::string empty = m_temp.MakeFolder("Leer");
    m_temp.Touch("Leer/a.png");
    struct Case {
        const char* name;
        std::string folder;
        std::string message; // empty: none
    };
    const std::vector<Case> cases = {
        {"pictures found in a sub-folder", pictures, ""},
        {"no pictures", empty,
         "Superlearning : Das Verzeichnis \"" + empty +
             std::string("\" enthält keine Bilder (JPG oder BMP)!"_cp)},
        {"missing", m_temp.Folder() + "fehlt",
         "Superlearning : Das Verzeichnis \"" + m_temp.Folder() + "fehlt/\" existiert nicht!"},
        {"none", "", std::string("Der Techno-Modus benötigt ein Verzeichnis mit Bildern (JPG oder BMP)!"_cp)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.ClearMessages();
        auto options = Create();
        options->SetPictureFolder(c.folder);
        EXPECT_EQ(options->Text(SuperText::TechnoPhotoDir), WithTrailingSeparator(c.folder));
        EXPECT_EQ(options->Changed(), !c.folder.empty());
        if (c.message.empty()) {
            EXPECT_TRUE(m_messages.Messages().empty());
        } else {
            ASSERT_EQ(m_messages.Messages().size(), 1u);
            EXPECT_EQ(m_messages.Messages()[0].text, c.message);
            EXPECT_EQ(m_messages.Messages()[0].flags, 16);
        }
        options.reset();
        m_registry = test::MemoryRegistry();
    }
}

TEST_F(SuperOptionsTest, MusicFilesDoNotRepeatTooSoon) {
    struct Case {
        int files;
        std::size_t maxPlayed;
    };
    for (Case c : std::vector<Case>{{1, 0}, {2, 1}, {3, 1}, {5, 2}, {8, 4}}) {
        SCOPED_TRACE(c.files);
        test::TempFolder temp;
        for (int i = 0; i < c.files; ++i)
            temp.Touch("MP3/" + std::to_string(i) + ".mp3");
        SuperOptionsEnvironment environment = Environment();
        environment.programFolder = temp.Folder();
        test::MemoryRegistry registry;
        TSuperOptions options(registry, environment);
        SeedRandom(7);
        std::vector<std::string> picked;
        for (int i = 0; i < 40; ++i)
            picked.push_back(options.NextMp3File());
        EXPECT_LE(options.PlayedMp3().size(), c.maxPlayed);
        for (std::size_t i = 1; i < picked.size(); ++i) {
            if (c.files == 1)
                EXPECT_EQ(picked[i], picked[0]); // one file repeats
            else
                EXPECT_NE(picked[i], picked[i - 1]);
        }
        if (c.files == 2) {
            EXPECT_EQ(picked[2], picked[0]); // two files alternate
        }
    }
}

TEST_F(SuperOptionsTest, MusicCommands) {
    m_temp.Touch("MP3/a.mp3");
    struct Case {
        const char* name;
        int music;
        std::map<std::string, std::string> replies;
        std::function<void(TSuperOptions&, FakeMedia&)> action;
        std::vector<std::string> sent;
        int musicAfter;
    };
    const std::string open = "open \"" + m_temp.Folder() + "MP3/a.mp3\" alias mp3";
    const std::vector<Case> cases = {
        {"mp3 start",
         kMusicMp3,
         {},
         [](auto& o, auto& m) { o.StartMusic(m); },
         {open, "play mp3"},
         kMusicMp3},
        {"mp3 start fails",
         kMusicMp3,
         {{"open", "Error263"}},
         [](auto& o, auto& m) { o.StartMusic(m); },
         {open},
         kMusicNone},
        {"cd start",
         kMusicAudioCd,
         {{"status cd type", "audio"}},
         [](auto& o, auto& m) { o.StartMusic(m); },
         {"open cdaudio alias cd", "status cd type track 2", "set cd time format tmsf", "play cd"},
         kMusicAudioCd},
        {"cd without audio",
         kMusicAudioCd,
         {{"status cd type", "other"}},
         [](auto& o, auto& m) { o.StartMusic(m); },
         {"open cdaudio alias cd", "status cd type track 2"},
         kMusicAudioCd},
        {"mp3 stop",
         kMusicMp3,
         {},
         [](auto& o, auto& m) { o.StopMusic(m); },
         {"stop mp3", "close mp3"},
         kMusicMp3},
        {"cd stop",
         kMusicAudioCd,
         {},
         [](auto& o, auto& m) { o.StopMusic(m); },
         {"stop cd", "close cd"},
         kMusicAudioCd},
        {"none", kMusicNone, {}, [](auto& o, auto& m) { o.StartMusic(m); }, {}, kMusicNone},
        {"mp3 keeps going",
         kMusicMp3,
         {{"status mp3 mode", "stopped"}},
         [](auto& o, auto& m) { o.KeepMusicGoing(m); },
         {"status mp3 mode", "close mp3", open, "play mp3"},
         kMusicMp3},
        {"mp3 still playing",
         kMusicMp3,
         {{"status mp3 mode", "playing"}},
         [](auto& o, auto& m) { o.KeepMusicGoing(m); },
         {"status mp3 mode"},
         kMusicMp3},
        {"cd starts again",
         kMusicAudioCd,
         {{"status cd mode", "stopped"}},
         [](auto& o, auto& m) { o.KeepMusicGoing(m); },
         {"status cd mode", "status cd current track", "status cd position", "seek cd to start", "play cd"},
         kMusicAudioCd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.ClearMessages();
        auto options = Create();
        options->SetMusik(c.music);
        FakeMedia media;
        media.replies = c.replies;
        c.action(*options, media);
        EXPECT_EQ(media.sent, c.sent);
        EXPECT_EQ(options->Integer(SuperInt::Musik), c.musicAfter);
    }
}

TEST_F(SuperOptionsTest, WithoutAnAudioCdOneMessageAndTheMusicStaysOff) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> replies;
    };
    const std::vector<Case> cases = {
        {"no drive", {{"open cdaudio", "Error275"}, {"status cd", "Error263"}}},
        {"a data disc", {{"status cd type", "other"}, {"status cd mode", "Error263"}}},
        {"the disc taken out while playing", {{"status cd type", "audio"}, {"status cd mode", "Error263"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.ClearMessages();
        auto options = Create();
        options->SetMusik(kMusicAudioCd);
        FakeMedia media;
        media.replies = c.replies;
        // Two presentations of "las vegas" with five word pairs each.
        for (int run = 0; run < 2; ++run) {
            options->StartMusic(media);
            for (int pair = 0; pair < 5; ++pair)
                options->KeepMusicGoing(media);
            options->StopMusic(media);
        }
        ASSERT_EQ(m_messages.Messages().size(), 1u);
        EXPECT_EQ(m_messages.Messages()[0].text,
                  "Es wurde keine Audio-CD gefunden. Die Musik bleibt ausgeschaltet.");
        EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconExclamation);
        EXPECT_EQ(std::count(media.sent.begin(), media.sent.end(), "open cdaudio alias cd"), 1);
        EXPECT_LE(std::count(media.sent.begin(), media.sent.end(), "status cd mode"), 1);
        EXPECT_EQ(options->Integer(SuperInt::Musik), kMusicAudioCd) << "the stored choice stays";
    }
}

TEST_F(SuperOptionsTest, AShownMediaErrorNamesTheCommand) {
    m_temp.Touch("MP3/a.mp3");
    auto options = Create();
    FakeMedia media;
    media.replies = {{"open", "Error263"}};
    options->StartMusic(media);
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].flags, 16);
    EXPECT_EQ(m_messages.Messages()[0].text,
              "Fehler 263 - open \"" + m_temp.Folder() + "MP3/a.mp3\" alias mp3");
}

TEST_F(SuperOptionsTest, KeepingMusicGoingProcessesEvents) {
    auto options = Create();
    FakeMedia media;
    int processed = 0;
    options->KeepMusicGoing(media, [&] { ++processed; });
    EXPECT_EQ(processed, 1);
}

TEST_F(SuperOptionsTest, TheStyleDecidesTheDisplayKind) {
    struct Case {
        int style, kind, modus;
    };
    for (Case c : std::vector<Case>{{0, 0, 0}, {1, 1, 1}, {2, 2, 0}, {3, 3, 0}, {4, 4, 0}, {7, 7, 0}}) {
        SCOPED_TRACE(c.style);
        m_registry = test::MemoryRegistry(); // the fading mode of the case before was saved
        auto options = Create();
        options->LoadStyleSettings(c.style);
        EXPECT_EQ(options->DisplayKind(), c.kind);
        EXPECT_EQ(options->Integer(SuperInt::Modus), c.modus);
        EXPECT_EQ(options->Changed(), c.style == 1);
    }
}

TEST_F(SuperOptionsTest, BackgroundPagesAreFoundWithoutTheirExtension) {
    m_temp.Touch("hqor/SuperDD/wolken.htx");
    m_temp.Touch("hqor/SuperDD/meer.HTX");
    m_temp.Touch("hqor/SuperDD/bild.jpg");
    auto options = Create();
    EXPECT_EQ(options->DDPages(), (std::vector<std::string>{"meer", "wolken"}));
    EXPECT_EQ(options->DDFolder(), m_temp.Folder() + "hqor/SuperDD/");
}

} // namespace
} // namespace qor

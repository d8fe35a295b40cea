#include "app/Startup.h"

#include "AppTestSupport.h"
#include "app/ProgramObjects.h"
#include "app/SettingsKeys.h"
#include "platform/IniFile.h"
#include "platform/Screen.h"

namespace qor::test {
namespace {

const std::string kTip = std::string("Tip:\r"
                                     "Bei den meisten Grafikkarten ändert man die Auflösung in der\r"
                                     "Systemsteuerung unter \"Anzeige\" auf Seite \"Einstellungen\"."_cp);

struct ShellLink {
    std::string program;
    std::string title;
    int place = 0;
    bool operator==(const ShellLink&) const = default;
};

// A complete installation in "prog/" and a data medium in "cd/" that only the drive search finds.
class StartupTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_program = Folder("prog");
        File("prog/hqor/main.htx", "<html>");
        Folder("prog/Vokabeln (F)/Grundwortschatz");
        File("prog/f_d.qor");
        File("prog/d_f.qor");
        File("prog/f_w.qor");
        File("cd/wave/QOR_F");
        Folder("cd/Vokabeln (F)/Grundwortschatz");
        m_roots = {Folder("empty"), Folder("cd")};

        m_environment.programFile = m_program + "qor.exe";
        m_environment.screen = &m_screen;
        m_environment.objects = &m_objects;
        m_environment.driveRoots = [this] {
            ++m_driveSearches;
            return m_roots;
        };
        m_environment.createShellLink = [this](std::string_view program, std::string_view title, int place) {
            m_links.push_back({std::string(program), std::string(title), place});
            return true;
        };
    }

    void WriteIni(const std::string& lines) { File("prog/qor.ini", lines); }
    std::optional<std::string> Ini(std::string_view section, std::string_view key) const {
        return IniFile((m_root / "prog" / "qor.ini").string()).Read(section, key);
    }

    StartupResult Start() { return RunStartupSequence(m_environment); }

    std::vector<std::string> LoadCalls() const {
        std::vector<std::string> loads;
        for (const std::string& call : m_objects.Calls())
            if (call.starts_with("Load") || call == "RunLogIn")
                loads.push_back(call);
        return loads;
    }

    std::string m_program;
    std::vector<std::string> m_roots;
    int m_driveSearches = 0;
    std::vector<ShellLink> m_links;
    FixedScreen m_screen{{1024, 768, 32}};
    ProgramObjects m_objects;
    StartupEnvironment m_environment;
};

const std::string kIniHeader = std::string("[qor französisch]\r\n"_cp);

// [A complete start]

TEST_F(StartupTest, StartsWithDefaultsFromAnEmptyRegistry) {
    ASSERT_EQ(Start(), StartupResult::Started);
    const AppSettings& settings = Settings();
    EXPECT_EQ(settings.programFolder, m_program);
    EXPECT_EQ(settings.pageRoot, m_program);
    EXPECT_EQ(settings.vocabularyRoot, m_program + "Vokabeln (F)/");
    EXPECT_EQ(settings.vocabularyFolder, settings.vocabularyRoot);
    EXPECT_EQ(settings.waveFolder, PathOf("cd") + "/wave/");
    EXPECT_EQ(settings.frenchGermanFile, m_program + "f_d.qor");
    EXPECT_EQ(settings.germanFrenchFile, m_program + "d_f.qor");
    EXPECT_EQ(settings.recordingIndexFile, m_program + "f_w.qor");
    EXPECT_EQ(settings.editorScheme, "default");
    EXPECT_EQ(settings.backdropColour, 8421504);
    EXPECT_TRUE(settings.hintsOn);
    EXPECT_FALSE(settings.writeProtection);
    EXPECT_FALSE(settings.shortcutRequest);
    EXPECT_FALSE(settings.editorMode);
    EXPECT_EQ(settings.userFolder, "");
    EXPECT_EQ(settings.ownRecordingsFolder, "");
    EXPECT_EQ(settings.lawRecordingsFolder, "");
    EXPECT_EQ(settings.businessRecordingsFolder, "");

    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(m_links.empty());
    EXPECT_EQ(m_driveSearches, 1);
    // The drive search saved the wave folder (mask 2); the unknown program path was registered (mask 8).
    EXPECT_EQ(Ini(kIniProductSection, "Wave-Verzeichnis"), settings.waveFolder);
    EXPECT_EQ(Store().ReadText(kFoldersKey, "Programm"), m_environment.programFile);

    const std::vector<std::string> expected = {
        "CreateVocabularyLibrary",
        "CreateThemeList",
        "CreateDictionary",
        "LoadDictionary 1 " + m_program + "d_f.qor",
        "LoadDictionary 0 " + m_program + "f_d.qor",
        "CreateRecordingIndex",
        "LoadRecordingIndex " + m_program + "f_w.qor",
        "CreateUserDatabase",
        "RunLogIn",
    };
    EXPECT_EQ(m_objects.Calls(), expected);
}

TEST_F(StartupTest, EditorModeComesFromTheLowerCasedArgumentAndSkipsTheLogIn) {
    m_environment.arguments = {"EDITOR"};
    ASSERT_EQ(Start(), StartupResult::Started);
    EXPECT_TRUE(Settings().editorMode);
    EXPECT_EQ(std::count(m_objects.Calls().begin(), m_objects.Calls().end(), "RunLogIn"), 0);
    EXPECT_TRUE(m_objects.HasUserDatabase());
}

// [Refused starts]

TEST_F(StartupTest, TooFewColoursIsRefusedWithItsMessage) {
    const std::string expected =
        std::string("Nicht genug Farben!\r"
                    "\r"
                    "*qor französisch benötigt mehr als 256 Farben bei einer Auflösung\r"
                    "von (mindestens) 800 x 600 Pixel. Bitte ändern Sie die Farben\r"
                    "auf High Color (16 Bit) oder True-Color (24 bzw. 32 Bit).\r"
                    "\r"_cp) +
        kTip;
    for (ScreenInfo screen : {ScreenInfo{1024, 768, 8}, ScreenInfo{640, 480, 4}}) {
        SCOPED_TRACE(screen.bitsPerPixel);
        m_presenter.ClearMessages();
        m_screen = FixedScreen(screen);
        EXPECT_EQ(Start(), StartupResult::TooFewColours);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].flags, kMbIconError);
        EXPECT_EQ(Messages()[0].caption, std::string("*qor französisch"_cp));
        EXPECT_EQ(Messages()[0].text, expected);
    }
    EXPECT_FALSE(m_objects.HasDictionary());
}

TEST_F(StartupTest, ScreenSizeCheck) {
    const std::string expected = std::string("Zu geringe Auflösung!\r"
                                             "\r"
                                             "*qor französisch benötigt eine Auflösung von 800 x 600 Pixel\r"
                                             "bei mehr als 256 Farben (High Color oder True Color).\r"
                                             "Bitte ändern Sie die Auflösung auf 800 x 600 Pixel.\r"
                                             "\r"_cp) +
                                 kTip;
    struct Case {
        ScreenInfo screen;
        StartupResult result;
    };
    const Case cases[] = {
        {{800, 600, 16}, StartupResult::Started},        {{799, 600, 32}, StartupResult::ScreenTooSmall},
        {{800, 599, 32}, StartupResult::ScreenTooSmall}, {{640, 480, 24}, StartupResult::ScreenTooSmall},
        {{1920, 1080, 32}, StartupResult::Started},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.screen.width) + "x" + std::to_string(c.screen.height));
        m_presenter.ClearMessages();
        m_screen = FixedScreen(c.screen);
        EXPECT_EQ(Start(), c.result);
        if (c.result == StartupResult::Started) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0].flags, kMbIconError);
            EXPECT_EQ(Messages()[0].text, expected);
        }
    }
}

TEST_F(StartupTest, IncompleteInstallationIsRefused) {
    const std::string expected =
        std::string("*qor französisch kann nicht gestartet werden!\nDie Installation ist unvollständig."_cp);
    struct Case {
        const char* name;
        const char* removed;
    };
    const Case cases[] = {
        {"no main page", "prog/hqor/main.htx"},
        {"no vocabulary area", "prog/Vokabeln (F)/Grundwortschatz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::rename(m_root / c.removed, m_root / "aside");
        m_presenter.ClearMessages();
        EXPECT_EQ(Start(), StartupResult::IncompleteInstallation);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].flags, kMbIconError);
        EXPECT_EQ(Messages()[0].text, expected);
        EXPECT_FALSE(m_objects.HasDictionary());
        fs::rename(m_root / "aside", m_root / c.removed);
    }
}

TEST_F(StartupTest, AMissingDataFileEndsSilently) {
    for (const char* file : {"f_d.qor", "d_f.qor", "f_w.qor"}) {
        SCOPED_TRACE(file);
        fs::rename(m_root / "prog" / file, m_root / "aside");
        EXPECT_EQ(Start(), StartupResult::DataFileMissing);
        EXPECT_TRUE(Messages().empty());
        EXPECT_FALSE(m_objects.HasDictionary());
        fs::rename(m_root / "aside", m_root / "prog" / file);
    }
}

// [qor.ini]

TEST_F(StartupTest, MissingIniFoldersAreReportedOneByOne) {
    std::string missing = PathOf("fehlt");
    WriteIni(std::string("[*qor]\r\nBenutzer-Verzeichnis=") + missing + "/benutzer\r\n" + kIniHeader +
             "Wave-Verzeichnis=" + missing + "/wave\r\nAufnahmen Recht=" + missing +
             "/recht\r\nAufnahmen Wirtschaft=" + missing + "/wirtschaft\r\n");
    ASSERT_EQ(Start(), StartupResult::Started);
    const std::vector<std::string> expected = {
        "Das Benutzer-Verzeichnis " + missing + "/benutzer wurde nicht gefunden!\r" +
            std::string("Für die Benutzerverwaltung wird auf das lokale Verzeichnis zurückgegriffen."_cp),
        "Das Wave-Verzeichnis " + missing + "/wave wurde nicht gefunden!",
        std::string("Das Verzeichnis für die RECHT-Sprachaufnahmen "_cp) + missing +
            "/recht wurde nicht gefunden!",
        std::string("Das Verzeichnis für die WIRTSCHAFT-Sprachaufnahmen "_cp) + missing +
            "/wirtschaft wurde nicht gefunden!",
    };
    ASSERT_EQ(Messages().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Messages()[i].flags, kMbIconExclamation);
        EXPECT_EQ(Messages()[i].text, expected[i]);
    }
    EXPECT_EQ(Settings().userFolder, "");
    EXPECT_EQ(Settings().lawRecordingsFolder, "-");
    EXPECT_EQ(Settings().businessRecordingsFolder, "-");
    // The missing wave folder is replaced by the one the drive search finds.
    EXPECT_EQ(Settings().waveFolder, PathOf("cd") + "/wave/");
}

TEST_F(StartupTest, ExistingIniFoldersAreTaken) {
    std::string users = Folder("users");
    std::string wave = Folder("hd/wave");
    std::string law = Folder("recht");
    std::string business = Folder("wirtschaft");
    WriteIni(std::string("[*qor]\r\nBenutzer-Verzeichnis=") + users + "\r\nSchreibschutz=1\r\n" + kIniHeader +
             "Wave-Verzeichnis=" + wave + "\r\nAufnahmen Recht=" + law +
             "\r\nAufnahmen Wirtschaft=" + business + "\r\n");
    ASSERT_EQ(Start(), StartupResult::Started);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Settings().userFolder, users);
    EXPECT_EQ(Settings().waveFolder, wave);
    EXPECT_EQ(Settings().lawRecordingsFolder, law);
    EXPECT_EQ(Settings().businessRecordingsFolder, business);
    EXPECT_TRUE(Settings().writeProtection);
    EXPECT_EQ(m_driveSearches, 0);
}

TEST_F(StartupTest, ARelativeIniFolderLiesInTheProgramFolder) {
    Folder("prog/wave");
    WriteIni(std::string(kIniHeader) + "Wave-Verzeichnis=wave\\\r\n");
    ASSERT_EQ(Start(), StartupResult::Started);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Settings().waveFolder, Settings().programFolder + "wave\\");
}

TEST_F(StartupTest, WriteProtectionFromTheIni) {
    struct Case {
        const char* name;
        std::string lines;
        bool protection;
        std::string written;
    };
    const Case cases[] = {
        {"missing: written as 0", "", false, "0"},
        {"one", "Schreibschutz=1\r\n", true, "1"},
        {"two is not one", "Schreibschutz=2\r\n", false, "2"},
        {"text is not one", "Schreibschutz=ja\r\n", false, "ja"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIni("[*qor]\r\n" + c.lines);
        ASSERT_EQ(Start(), StartupResult::Started);
        EXPECT_EQ(Settings().writeProtection, c.protection);
        EXPECT_EQ(Ini(kIniCommonSection, "Schreibschutz"), c.written);
    }
}

TEST_F(StartupTest, NoIniMeansNoIniWritesButTheDriveSearchResult) {
    m_roots = {};
    EXPECT_EQ(Start(), StartupResult::Started);
    EXPECT_FALSE(fs::exists(m_root / "prog" / "qor.ini"));
    EXPECT_EQ(Settings().waveFolder, "");
}

// [Shortcuts]

TEST_F(StartupTest, RegisterInTheIniIsResetAndAsksForTheDesktopLink) {
    const std::string question =
        std::string("Soll eine Verknüpfung mit qor französisch auf dem Desktop erzeugt werden?"_cp);
    const std::string title = std::string("qor französisch"_cp);
    struct Case {
        int answer;
        std::vector<ShellLink> links;
    };
    const std::string program = m_environment.programFile;
    const Case cases[] = {
        {kIdYes, {{program, title, 0}, {program, title, 4}}},
        {kIdNo, {{program, title, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        WriteIni(kIniHeader + "Register=1\r\n");
        m_links.clear();
        m_presenter.ClearMessages();
        m_presenter.AddAnswer(c.answer);
        ASSERT_EQ(Start(), StartupResult::Started);
        EXPECT_TRUE(Settings().shortcutRequest);
        EXPECT_EQ(Ini(kIniProductSection, "Register"), "0");
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].flags, kMbIconQuestion | kMbYesNo);
        EXPECT_EQ(Messages()[0].text, question);
        EXPECT_EQ(m_links, c.links);
    }
}

TEST_F(StartupTest, RegisterArgumentIsComparedExactly) {
    struct Case {
        std::vector<std::string> arguments;
        bool requested;
    };
    const Case cases[] = {
        {{"register"}, true}, {{"REGISTER"}, false}, {{"Register"}, false}, {{"editor", "register"}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? std::string("none") : c.arguments.front());
        m_environment.arguments = c.arguments;
        m_links.clear();
        ASSERT_EQ(Start(), StartupResult::Started);
        EXPECT_EQ(Settings().shortcutRequest, c.requested);
        EXPECT_EQ(m_links.size(), c.requested ? 2u : 0u);
    }
}

TEST_F(StartupTest, RegisterArgumentLeavesTheIniRequestAlone) {
    WriteIni(kIniHeader + "Register=1\r\n");
    m_environment.arguments = {"register"};
    ASSERT_EQ(Start(), StartupResult::Started);
    EXPECT_EQ(Ini(kIniProductSection, "Register"), "1");
}

// [Registry]

TEST_F(StartupTest, RegistryValuesAreTakenWhenTheyHold) {
    Folder("anderswo/hqor");
    File("anderswo/hqor/main.htx");
    File("prog/editor/blau.ed");
    std::string wave = Folder("hd/wave");
    File("hd/wave/QOR_F");
    std::string lesson = File("prog/Vokabeln (F)/Grundwortschatz/lektion1.asc");
    std::string own = File("eigene/aufnahme.wav");
    std::string dictionary = File("daten/mein_f_d.qor");
    Store().WriteInteger(kProductKey, "Hintergrund", 255);
    Store().WriteText(kProductKey, "Online-Hilfe", "AUS");
    Store().WriteText(kFoldersKey, "Editor-Schema", "blau");
    Store().WriteText(kFoldersKey, "HQOR", PathOf("anderswo"));
    Store().WriteText(kFoldersKey, "Wave-Dateien", wave);
    Store().WriteText(kFoldersKey, "Vokabel-Dateien", lesson);
    Store().WriteText(kFoldersKey, "Eigene Waves", own);
    Store().WriteText(kFoldersKey, "Datenbank1", dictionary);
    Store().WriteText(kFoldersKey, "Datenbank2", PathOf("daten/fehlt.qor"));
    Store().WriteText(kRecentFilesKey, "0", "neu.asc");
    Store().WriteText(kRecentFilesKey, "1", "alt.asc");

    ASSERT_EQ(Start(), StartupResult::Started);
    const AppSettings& settings = Settings();
    EXPECT_EQ(settings.backdropColour, 255);
    EXPECT_FALSE(settings.hintsOn);
    EXPECT_EQ(settings.editorScheme, "blau");
    EXPECT_EQ(settings.pageRoot, PathOf("anderswo") + "/");
    EXPECT_EQ(settings.waveFolder, wave);
    EXPECT_EQ(Ini(kIniProductSection, "Wave-Verzeichnis"), wave); // saved with mask 2
    EXPECT_EQ(m_driveSearches, 0);
    EXPECT_EQ(settings.vocabularyFolder, m_program + "Vokabeln (F)/Grundwortschatz/");
    EXPECT_EQ(settings.ownRecordingsFolder, PathOf("eigene") + "/");
    EXPECT_EQ(settings.frenchGermanFile, dictionary);
    EXPECT_EQ(settings.germanFrenchFile, m_program + "d_f.qor");
    ASSERT_NE(m_objects.RecentFiles(), nullptr);
    EXPECT_EQ(m_objects.RecentFiles()->Item(0), "neu.asc");
    EXPECT_EQ(m_objects.RecentFiles()->Item(1), "alt.asc");
    EXPECT_EQ(m_objects.RecentFiles()->Item(2), "");
}

TEST_F(StartupTest, RegistryValuesThatDoNotHoldFallBack) {
    Store().WriteText(kProductKey, "Online-Hilfe", "aus"); // only "AUS" turns hints off
    Store().WriteText(kProductKey, "Hintergrund", "rot");  // wrong type reads as missing
    Store().WriteText(kFoldersKey, "Editor-Schema", "fehlt");
    Store().WriteText(kFoldersKey, "HQOR", PathOf("fehlt"));
    Store().WriteText(kFoldersKey, "Wave-Dateien", Folder("ohne_marke"));
    Store().WriteText(kFoldersKey, "Vokabel-Dateien", PathOf("fehlt/lektion.asc"));
    Store().WriteText(kFoldersKey, "Eigene Waves", PathOf("fehlt/a.wav"));

    ASSERT_EQ(Start(), StartupResult::Started);
    const AppSettings& settings = Settings();
    EXPECT_TRUE(settings.hintsOn);
    EXPECT_EQ(settings.backdropColour, 8421504);
    EXPECT_EQ(settings.editorScheme, "default");
    EXPECT_EQ(settings.pageRoot, m_program);
    EXPECT_EQ(settings.waveFolder, PathOf("cd") + "/wave/"); // through the drive search
    EXPECT_EQ(settings.vocabularyFolder, settings.vocabularyRoot);
    EXPECT_EQ(settings.ownRecordingsFolder, "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(StartupTest, CdDriveValueGivesTheWaveFolderWithoutSaving) {
    Store().WriteText(kFoldersKey, "CD-Laufwerk", PathOf("cd") + "/");
    ASSERT_EQ(Start(), StartupResult::Started);
    EXPECT_EQ(Settings().waveFolder, PathOf("cd") + "/wave/");
    EXPECT_EQ(m_driveSearches, 0);
    EXPECT_FALSE(fs::exists(m_root / "prog" / "qor.ini"));
}

TEST_F(StartupTest, TheProgramPathIsRegisteredOnlyWhenItDiffers) {
    LoggingRegistry registry;
    registry.WriteText(kFoldersKey, "Programm", m_environment.programFile);
    registry.WriteText(kFoldersKey, "Wave-Dateien", PathOf("cd") + "/wave/");
    registry.writes.clear();
    m_environment.registry = &registry;
    ASSERT_EQ(Start(), StartupResult::Started);
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_FALSE(Store().KeyExists(kFoldersKey)); // the process-wide store was not used

    registry.WriteText(kFoldersKey, "Programm", "C:\\Programme\\qor\\qor.exe");
    registry.writes.clear();
    ASSERT_EQ(Start(), StartupResult::Started);
    EXPECT_EQ(registry.writes, std::vector<std::string>{"Programm=" + m_environment.programFile});
}

TEST_F(StartupTest, AnUnwritableIniKeepsTheStartGoing) {
    // A directory stands where qor.ini belongs: it can be neither read nor written.
    fs::create_directories(m_root / "prog" / "qor.ini");
    ASSERT_EQ(Start(), StartupResult::Started);
    // The wave folder the drive search found could not be saved: one warning, the session keeps it.
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Die Einstellungen konnten nicht gespeichert werden: " + m_program +
                                      "qor.ini\rSie gelten nur bis zum Ende dieser Sitzung.");
    EXPECT_EQ(Settings().waveFolder, PathOf("cd") + "/wave/");
    EXPECT_EQ(LoadCalls().back(), "RunLogIn");
}

} // namespace
} // namespace qor::test

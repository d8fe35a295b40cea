#include "DictionaryTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/FileText.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

using namespace std::string_literals;

const std::string kSaveQuestion =
    CpText("Das Wörterbuch wurde verändert. Sollen diese Veränderungen gespeichert werden?"_cp);
const std::string kImportQuestion = CpText("Importieren des Wörterbuchs löscht das aktuelle!"_cp);

class DictionaryMaintenanceTest : public ::testing::Test {
protected:
    void Fill(const std::vector<Row>& rows) { FillHalf(m_database, DictionaryDirection::FrenchGerman, rows); }
    MessageCapture m_messages;
    TXDatabase m_database;
};

TEST_F(DictionaryMaintenanceTest, SortIgnoresCaseAndKeepsTheCurrentIndex) {
    Fill({{"table", 1, "Tisch"},
          {"\xE9t\xE9", 1, "Sommer"},
          {"Zut", 4, "Mist"},
          {"avoir", 2, "haben"},
          {"Avion", 1, "Flugzeug"},
          {"\xC9"
           "cole",
           1, "Schule"}});
    m_database.Next();
    ChangeCounter changes(m_database);
    m_database.Sort();
    // Accented letters beside their plain letters, case only between otherwise equal texts.
    EXPECT_EQ(Words(m_database), (std::vector<std::string>{"Avion", "avoir",
                                                           "\xC9"
                                                           "cole",
                                                           "\xE9t\xE9", "table", "Zut"}));
    EXPECT_EQ(m_database.CurrentIndex(), 1);
    EXPECT_EQ(changes.count, 1);

    TXDatabase single;
    FillHalf(single, DictionaryDirection::GermanFrench, {{"a", 1, "x"}});
    ChangeCounter none(single);
    single.Sort();
    EXPECT_EQ(none.count, 0);
}

TEST_F(DictionaryMaintenanceTest, CheckEntriesStopsAtTheFirstSuspiciousMeaning) {
    Fill({{"a", 1, "rouge; vert"},
          {"b", 1, "grand [fam., ugs.]"},
          {"c", 1, "rouge;"},
          {"d", 1, "rouge;vert"},
          {"e", 1, "ok"},
          {"f", 1, "grand, gros"},
          {"g", 1, "rouge ; vert"}});
    const std::string comma = CpText("Verdächtiges Komma in der Bedeutung entdeckt!"_cp);
    const std::string semicolon = "Ein Leerzeichen fehlt nach einem Semikolon!";
    struct Step {
        int stopsAt;
        std::string message;
    };
    // A run repeated without a correction stops at the same entry again.
    const std::vector<Step> steps = {{3, semicolon}, {3, semicolon}};
    for (const Step& step : steps) {
        m_messages.Clear();
        m_database.CheckEntries();
        EXPECT_EQ(m_database.CurrentIndex(), step.stopsAt);
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{step.message});
    }
    m_database.SetBedeutung(3, "rouge; vert");
    m_messages.Clear();
    m_database.CheckEntries();
    EXPECT_EQ(m_database.CurrentIndex(), 5);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{comma});
    EXPECT_EQ(m_messages.Messages()[0].flags, 48); // flags 0: the exclamation mark
    m_database.SetBedeutung(5, "grand; gros");
    m_database.CheckEntries();
    EXPECT_EQ(m_database.CurrentIndex(), 6);

    m_database.SetBedeutung(6, "rouge");
    m_messages.Clear();
    ChangeCounter changes(m_database);
    m_database.CheckEntries();
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(m_database.CurrentIndex(), 6);
    EXPECT_EQ(changes.count, 0);
}

TEST_F(DictionaryMaintenanceTest, RemoveDuplicatesStopsAtAConflict) {
    struct Case {
        std::string name;
        std::vector<Row> rows;
        std::vector<std::string> meaningsLeft;
        int removed;
        int current;
        bool notified;
    };
    const std::vector<Case> cases = {
        {"equal pair, then a conflict",
         {{"a", 1, "x"}, {"a", 1, "x"}, {"a", 1, "y"}, {"b", 1, "z"}, {"b", 1, "z"}},
         {"x", "y", "z", "z"},
         1,
         1,
         true},
        {"three equal in a row",
         {{"a", 1, "x"}, {"a", 1, "x"}, {"a", 1, "x"}, {"b", 2, "q"}},
         {"x", "q"},
         2,
         0,
         true},
        {"other class is no duplicate", {{"a", 1, "x"}, {"a", 2, "x"}}, {"x", "x"}, 0, 0, false},
        {"case counts", {{"a", 1, "x"}, {"A", 1, "x"}, {"a", 1, "X"}}, {"x", "x", "X"}, 0, 0, false},
        {"fewer than two", {{"a", 1, "x"}}, {"x"}, -1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXDatabase database;
        FillHalf(database, DictionaryDirection::FrenchGerman, c.rows);
        database.Load("/nonexistent-qor/none.qor"); // clears the changed flag
        m_messages.Clear();
        ChangeCounter changes(database);
        database.RemoveDuplicates();
        std::vector<std::string> meanings;
        for (int i = 0; i < database.Count(); ++i)
            meanings.push_back(database.Bedeutung(i));
        EXPECT_EQ(meanings, c.meaningsLeft);
        EXPECT_EQ(database.CurrentIndex(), c.current);
        EXPECT_EQ(changes.count > 0, c.notified);
        EXPECT_EQ(database.Modified(DictionaryDirection::FrenchGerman), c.removed > 0);
        if (c.removed < 0)
            EXPECT_TRUE(m_messages.Messages().empty());
        else
            EXPECT_EQ(m_messages.Texts(),
                      std::vector<std::string>{std::to_string(c.removed) +
                                               " Eintr\xE4ge wurden automatisch entfernt."});
    }
}

TEST_F(DictionaryMaintenanceTest, ExportAndImportRoundTrip) {
    TempFolder folder;
    FillHalf(m_database, DictionaryDirection::GermanFrench, {{"Haus", 1, "maison"}, {"gehen", 2, "aller"}});
    Fill({{"maison", 1, "Haus"}, {"\xE9t\xE9", 1, "Sommer"}, {"aller", 6, "gehen; fahren"}});
    ListedDialogs dialogs;
    std::string folderPath = ProgramPathOf(folder.Path());
    dialogs.Answer(folderPath + "/wb_.txt");
    m_database.ExportText(dialogs);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].proposedName, "wb_.txt");
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Dateien wurden exportiert."});
    EXPECT_TRUE(m_database.IsGermanFrench());
    EXPECT_EQ(ReadFile(folder / "wb_1a.txt"), "1\tmaison\r\n1\t\xE9t\xE9\r\n6\taller\r\n");
    EXPECT_EQ(ReadFile(folder / "wb_1b.txt"), "Haus\r\nSommer\r\ngehen; fahren\r\n");
    EXPECT_EQ(ReadFile(folder / "wb_2a.txt"), "1\tHaus\r\n2\tgehen\r\n");
    EXPECT_EQ(ReadFile(folder / "wb_2b.txt"), "maison\r\naller\r\n");

    TXDatabase imported;
    FillHalf(imported, DictionaryDirection::FrenchGerman, {{"alt", 1, "old"}});
    m_messages.Clear();
    m_messages.Answer(kIdOk);
    dialogs.Answer(folderPath + "/wb_2b.txt");
    imported.ImportText(dialogs);
    EXPECT_EQ(dialogs.calls.back().proposedName, "*.txt");
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kImportQuestion, "Dateien wurden importiert."}));
    EXPECT_EQ(m_messages.Messages()[0].flags, 1);
    EXPECT_TRUE(imported.IsGermanFrench());
    for (DictionaryDirection direction :
         {DictionaryDirection::FrenchGerman, DictionaryDirection::GermanFrench}) {
        m_database.SetDirection(direction);
        imported.SetDirection(direction);
        ASSERT_EQ(imported.Count(), m_database.Count());
        for (int i = 0; i < imported.Count(); ++i) {
            EXPECT_EQ(imported.Vokabel(i), m_database.Vokabel(i));
            EXPECT_EQ(imported.Bedeutung(i), m_database.Bedeutung(i));
            EXPECT_EQ(imported.Wortart(i), m_database.Wortart(i));
        }
        EXPECT_TRUE(imported.Modified(direction));
    }
}

TEST_F(DictionaryMaintenanceTest, ExportBaseEndsAtTheFirstDot) {
    TempFolder folder;
    folder.MakeFolder("a.b");
    Fill({{"a", 1, "x"}});
    ListedDialogs dialogs;
    dialogs.Answer(ProgramPathOf(folder / "a.b") + "/wb_.txt");
    m_database.ExportText(dialogs);
    EXPECT_EQ(ReadFile(folder / "a1a.txt"), "1\ta\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "a2b.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder / "a.b" / "wb_1a.txt"));

    m_messages.Clear();
    m_database.ExportText(dialogs); // cancelled
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(DictionaryMaintenanceTest, ImportRefusesMissingFilesAndStopsAtBadLines) {
    TempFolder folder;
    std::string base = ProgramPathOf(folder.Path()) + "/wb_";
    folder.MakeFile("wb_1a.txt", "1\tmaison\r\n2\taller\r\nkaputt\r\n3\tgrand\r\n");
    folder.MakeFile("wb_1b.txt", "Haus\r\ngehen\r\nx\r\ngro\xDF\r\n");
    folder.MakeFile("wb_2a.txt", "9\tHaus\r\n1\tTisch\r\n");
    folder.MakeFile("wb_2b.txt", "maison\r\n");

    Fill({{"alt", 1, "old"}});
    ListedDialogs dialogs;
    dialogs.Answer(ProgramPathOf(folder / "wb_.txt")); // the dot two characters too early
    m_database.ImportText(dialogs);
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Zu importierende Dateien wurden nicht gefunden!"});
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"alt"});

    m_messages.Clear();
    m_messages.Answer(kIdCancel);
    dialogs.Answer(base + "1a.txt");
    m_database.ImportText(dialogs);
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"alt"});
    EXPECT_EQ(m_messages.Messages().size(), 1u);

    m_messages.Clear();
    m_messages.Answer(kIdOk);
    dialogs.Answer(base + "1a.txt");
    m_database.ImportText(dialogs);
    std::vector<int> flags;
    for (const LoggedMessage& message : m_messages.Messages())
        flags.push_back(message.flags);
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kImportQuestion, "Fehler beim Import",
                                                            "Dateien wurden importiert."}));
    EXPECT_EQ(flags, (std::vector<int>{1, 48, 48}));
    // The second pair ends with its shorter file; its word class 9 becomes 1.
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"Haus"});
    EXPECT_EQ(m_database.Wortart(0), 1);
    m_database.SetDirection(DictionaryDirection::FrenchGerman);
    EXPECT_EQ(Words(m_database), (std::vector<std::string>{"maison", "aller"}));

    // A bad line in the second pair asks with OK/Cancel.
    folder.MakeFile("wb_2a.txt", "Haus\r\n");
    m_messages.Clear();
    m_messages.Answer(kIdOk);
    dialogs.Answer(base + "2b.txt");
    m_database.ImportText(dialogs);
    ASSERT_EQ(m_messages.Messages().size(), 4u); // the first pair still has its bad line
    EXPECT_EQ(m_messages.Messages()[1].flags, 48);
    EXPECT_EQ(m_messages.Messages()[2].text, "Fehler beim Import");
    EXPECT_EQ(m_messages.Messages()[2].flags, 1);
}

TEST_F(DictionaryMaintenanceTest, ImportConvertsFilesFromOtherEditorsAndRefusesBeforeDeleting) {
    TempFolder folder;
    const std::string base = ProgramPathOf(folder.Path()) + "/wb_";
    const std::string mark = "\xEF\xBB\xBF";
    folder.MakeFile("wb_1a.txt", mark + "1\tStra\xC3\x9F"
                                        "e\r\n");
    folder.MakeFile("wb_1b.txt", mark + "rue\r\n");
    folder.MakeFile("wb_2a.txt", "1\true\r\n");
    folder.MakeFile("wb_2b.txt", mark + "Stra\xC3\x9F"
                                        "e\r\n");
    Fill({{"alt", 1, "old"}});
    ListedDialogs dialogs;
    m_messages.Answer(kIdOk);
    dialogs.Answer(base + "1a.txt");
    m_database.ImportText(dialogs);
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kImportQuestion, "Dateien wurden importiert."}));
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"rue"});
    EXPECT_EQ(m_database.Bedeutung(0), "Stra\xDF"
                                       "e");
    m_database.SetDirection(DictionaryDirection::FrenchGerman);
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"Stra\xDF"
                                                          "e"});

    // Line 2 of the last file holds a character outside Windows-1252: both halves stay.
    folder.MakeFile("wb_2b.txt", mark + "Stra\xC3\x9F"
                                        "e\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
    m_messages.Clear();
    dialogs.Answer(base + "1a.txt");
    m_database.ImportText(dialogs);
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{UnconvertibleCharacterMessage(base + "2b.txt", 2)});
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconError);
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"Stra\xDF"
                                                          "e"});
    m_database.SetDirection(DictionaryDirection::GermanFrench);
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"rue"});
}

class DictionarySaveTest : public DictionaryMaintenanceTest {
protected:
    DictionarySaveTest() {
        FillHalf(m_database, DictionaryDirection::GermanFrench, {{"Haus", 1, "maison"}});
        m_database.Load(ProgramPathOf(m_folder / "d_f.qor"));
        FillHalf(m_database, DictionaryDirection::FrenchGerman, {{"maison", 1, "Haus"}});
        m_database.Load(ProgramPathOf(m_folder / "f_d.qor"));
        m_messages.Clear();
    }
    TempFolder m_folder;
    ListedDialogs m_dialogs;
};

TEST_F(DictionarySaveTest, NothingIsAskedWithoutChangesOrUnderWriteProtection) {
    m_database.SaveChanged(WriteProtection::Off, m_dialogs);
    EXPECT_TRUE(m_messages.Messages().empty());
    m_database.SetBedeutung(0, "Haus; Heim");
    m_database.SaveChanged(WriteProtection::On, m_dialogs);
    EXPECT_TRUE(m_messages.Messages().empty());
    m_messages.Answer(kIdNo);
    m_database.SaveChanged(WriteProtection::Off, m_dialogs);
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{CpText(
                  "Das Wörterbuch wurde verändert. Sollen diese Veränderungen gespeichert werden?"_cp)});
    EXPECT_EQ(m_messages.Messages()[0].flags, 36);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "f_d.qor"));
}

TEST_F(DictionarySaveTest, OnlyTheChangedHalfIsWritten) {
    m_database.SetBedeutung(0, "Haus; Heim");
    ChangeCounter changes(m_database);
    m_database.SaveChanged(WriteProtection::Off, m_dialogs);
    EXPECT_EQ(
        m_messages.Texts(),
        (std::vector<std::string>{
            kSaveQuestion, CpText("Das Wörterbuch Französisch-Deutsch wurde erfolgreich gespeichert."_cp)}));
    EXPECT_TRUE(std::filesystem::exists(m_folder / "f_d.qor"));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "d_f.qor"));
    EXPECT_EQ(m_database.SavedPath(DictionaryDirection::FrenchGerman), ProgramPathOf(m_folder / "f_d.qor"));
    EXPECT_EQ(m_database.SavedPath(DictionaryDirection::GermanFrench), "");
    EXPECT_TRUE(m_database.IsGermanFrench());
    EXPECT_EQ(changes.count, 0);
    EXPECT_TRUE(m_dialogs.calls.empty());
}

TEST_F(DictionarySaveTest, AFailedSaveOffersAnotherPlace) {
    m_database.SetDirection(DictionaryDirection::GermanFrench);
    m_database.SetVokabel(0, "Heim");
    std::filesystem::path blocked = m_folder.MakeFile("gesperrt", "keine Mappe");
    std::string unwritable = ProgramPathOf(blocked) + "/d_f.qor";
    m_database.Load(unwritable); // the half now belongs to a place that cannot be written
    m_database.SetVokabel(0, "Heim");
    m_messages.Clear();

    m_dialogs.Answer(std::nullopt);                    // cancelled: the old place again
    m_dialogs.Answer(ProgramPathOf(m_folder / "neu")); // no extension: ".qor" is added
    m_database.SaveChanged(WriteProtection::Off, m_dialogs);
    const std::string failed =
        CpText("Das Wörterbuch Deutsch-Französisch konnte nicht gespeichert werden. \r"_cp) +
        "Soll es an einem anderen Ort gespeichert werden?\r\r" +
        CpText("Achtung: Bei Nein gehen alle Veränderungen verloren."_cp);
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{
                  kSaveQuestion, failed, failed,
                  CpText("Das Wörterbuch Deutsch-Französisch wurde erfolgreich gespeichert."_cp)}));
    ASSERT_EQ(m_dialogs.calls.size(), 2u);
    EXPECT_EQ(m_dialogs.calls[0].title, "W\xF6rterbuch Deutsch-Franz\xF6sisch speichern");
    EXPECT_EQ(m_dialogs.calls[0].proposedName, "d_f.qor");
    EXPECT_EQ(m_dialogs.calls[0].filter, "QOR W\xF6rterb\xFC"
                                         "cher (*.qor)|*.qor)");
    EXPECT_EQ(m_database.SavedPath(DictionaryDirection::GermanFrench), ProgramPathOf(m_folder / "neu.qor"));
    EXPECT_EQ(m_database.FilePath(DictionaryDirection::GermanFrench), ProgramPathOf(m_folder / "neu.qor"));

    TXDatabase loaded;
    loaded.Load(ProgramPathOf(m_folder / "neu.qor"));
    EXPECT_EQ(Words(loaded), std::vector<std::string>{"Heim"});
}

TEST_F(DictionarySaveTest, NoGivesTheChangesUpAndKeepsTheFlag) {
    m_database.SetDirection(DictionaryDirection::GermanFrench);
    std::filesystem::path blocked = m_folder.MakeFile("gesperrt", "keine Mappe");
    m_database.Load(ProgramPathOf(blocked) + "/d_f.qor");
    m_database.SetVokabel(0, "Heim");
    m_messages.Clear();
    m_messages.Answer(kIdNo);
    EXPECT_FALSE(m_database.SaveHalf(m_dialogs));
    EXPECT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.calls.empty());
    EXPECT_TRUE(m_database.Modified(DictionaryDirection::GermanFrench));
    EXPECT_EQ(m_database.SavedPath(DictionaryDirection::GermanFrench), "");
}

} // namespace
} // namespace qor::test

#include "sound/TXWaveBase.h"

#include "SoundTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::MessageCapture;
using test::ScratchFolder;

// Entries in the given order (Add inserts at the current index, so fill from the back); the texts
// are written in UTF-8 here and stored in Windows-1252.
TXWaveBase Ordered(const std::vector<WaveBaseEntry>& entries) {
    TXWaveBase base;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        base.First();
        base.Add();
        base.SetCurrentText(Cp1252FromUtf8(it->first));
        base.SetCurrentPath(it->second);
    }
    base.SetChanged(false);
    return base;
}

TEST(TXWaveBase, LookupSteps) {
    TXWaveBase base = Ordered({{"tête (f)", "XF:tete.wav"},
                               {"chanter qc", "XF:chanter.wav"},
                               {"Maison", "XF:maison.wav"},
                               {"avoir, eu", "XF:avoir.wav"},
                               {"Pomme (f)", "XF:pomme.wav"},
                               {"tête", "XF:tete-exact.wav"}});
    struct Case {
        const char* text;
        LookupMode mode;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"tête", LookupMode::WithVariants, "XF:tete-exact.wav"}, // step 1 wins over step 3
        {"maison", LookupMode::ExactOnly, "XF:maison.wav"},      // case ignored
        {"MAISON", LookupMode::WithVariants, "XF:maison.wav"},
        {"chanter (qc)", LookupMode::ExactOnly, "XF:chanter.wav"}, // parentheses removed
        {"chanter (qc)", LookupMode::WithVariants, "XF:chanter.wav"},
        {"(chanter) qc", LookupMode::WithVariants, "XF:chanter.wav"},
        {"Pomme", LookupMode::WithVariants, "XF:pomme.wav"}, // text + " ("
        {"Pomme", LookupMode::ExactOnly, ""},
        {"pomme", LookupMode::WithVariants, ""},             // step 3 is case-sensitive
        {"avoir", LookupMode::WithVariants, "XF:avoir.wav"}, // text + ", "
        {"avoir", LookupMode::ExactOnly, ""},
        {"Avoir", LookupMode::WithVariants, ""},
        {"chanter", LookupMode::WithVariants, ""}, // no " (" or ", " after it
        {"", LookupMode::WithVariants, ""},
        {"inconnu", LookupMode::WithVariants, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.mode == LookupMode::ExactOnly ? " exact" : ""));
        EXPECT_EQ(base.Find(Cp1252FromUtf8(c.text), c.mode), c.expected);
    }
}

TEST(TXWaveBase, TeteFindsTheCommentedEntryUnlessExactOnly) {
    TXWaveBase base = Ordered({{"tête (f)", "XF:t.wav"}});
    EXPECT_EQ(base.Find("tête"_cp), "XF:t.wav");
    EXPECT_EQ(base.Find("tête"_cp, LookupMode::ExactOnly), "");
}

TEST(TXWaveBase, AnyPathStartsWithIgnoresCase) {
    TXWaveBase base = Ordered({{"a", "XF:a.wav"}, {"b", "/home/eva/Aufnahmen/b.wav"}});
    EXPECT_TRUE(base.AnyPathStartsWith("/HOME/eva/aufnahmen/"));
    EXPECT_TRUE(base.AnyPathStartsWith("xf:"));
    EXPECT_FALSE(base.AnyPathStartsWith("XU:"));
    EXPECT_FALSE(TXWaveBase().AnyPathStartsWith(""));
}

TEST(TXWaveBase, RebaseKeepsThePrefixesLastCharacter) {
    TXWaveBase base = Ordered({{"a", "C:\\Aufnahmen\\a.wav"},
                               {"b", "c:\\aufnahmen\\sub\\b.wav"},
                               {"c", "XF:\\c.wav"},
                               {"d", "C:\\Aufnahmen2\\d.wav"}});
    EXPECT_EQ(base.Rebase("C:\\Aufnahmen\\"), 2);
    EXPECT_TRUE(base.Changed());
    EXPECT_EQ(base.Entries()[0].second, "XU:\\a.wav");
    EXPECT_EQ(base.Entries()[1].second, "XU:\\sub\\b.wav");
    EXPECT_EQ(base.Entries()[2].second, "XF:\\c.wav");
    EXPECT_EQ(base.Entries()[3].second, "C:\\Aufnahmen2\\d.wav");
    EXPECT_EQ(base.Rebase("C:\\Aufnahmen\\"), 0);
    EXPECT_EQ(base.Rebase(""), 0);
}

TEST(TXWaveBase, SortIsCaseInsensitiveAndNotifies) {
    TXWaveBase base =
        Ordered({{"pomme", "1"}, {"Avoir", "2"}, {"maison", "3"}, {"BATEAU", "4"}, {"arbre", "5"}});
    int notified = 0;
    base.SetChangeObserver([&] { ++notified; });
    base.Sort();
    std::vector<std::string> texts;
    for (const auto& entry : base.Entries())
        texts.push_back(entry.first);
    EXPECT_EQ(texts, (std::vector<std::string>{"arbre", "Avoir", "BATEAU", "maison", "pomme"}));
    EXPECT_EQ(base.Entries()[1].second, "2"); // paths travel with their texts
    EXPECT_TRUE(base.Changed());
    EXPECT_EQ(notified, 1);
}

TEST(TXWaveBase, SortOfFewerThanTwoEntriesChangesNothing) {
    TXWaveBase one = Ordered({{"a", "1"}});
    one.Sort();
    EXPECT_FALSE(one.Changed());
    TXWaveBase none;
    none.Sort();
    EXPECT_FALSE(none.Changed());
}

TEST(TXWaveBase, SortHandlesManyEntriesAndDuplicates) {
    std::vector<WaveBaseEntry> entries;
    for (int i = 0; i < 500; ++i)
        entries.emplace_back(std::to_string((i * 7919) % 101), std::to_string(i));
    TXWaveBase base = Ordered(entries);
    base.Sort();
    ASSERT_EQ(base.Count(), 500);
    for (int i = 1; i < base.Count(); ++i)
        EXPECT_LE(CompareTextInsensitive(base.Entries()[i - 1].first, base.Entries()[i].first), 0);
}

TEST(TXWaveBase, SeekLandsOnTheFirstTextNotLessThanTheGivenOne) {
    TXWaveBase base = Ordered({{"arbre", ""}, {"Livre", ""}, {"Maison", ""}, {"mer", ""}, {"pomme", ""}});
    struct Case {
        const char* text;
        int expected;
    };
    const std::vector<Case> cases = {
        {"m", 2}, {"M", 2}, {"mai", 2}, {"maz", 3}, {"a", 0}, {"", 0}, {"zzz", 4}, {"pomme", 4}, {"l", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        base.Last();
        base.Seek(c.text);
        EXPECT_EQ(base.CurrentIndex(), c.expected);
    }
    TXWaveBase empty;
    empty.Seek("m");
    EXPECT_EQ(empty.CurrentIndex(), 0);
}

TEST(TXWaveBase, NavigationStaysInsideTheList) {
    TXWaveBase base = Ordered({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    base.First();
    base.Previous();
    EXPECT_EQ(base.CurrentIndex(), 0);
    base.Next();
    EXPECT_EQ(base.CurrentText(), "b");
    base.Next();
    base.Next();
    EXPECT_EQ(base.CurrentIndex(), 2);
    base.First();
    EXPECT_EQ(base.CurrentPath(), "1");
    base.Last();
    EXPECT_EQ(base.CurrentPath(), "3");
    EXPECT_FALSE(base.Changed());
}

TEST(TXWaveBase, EmptyDatabaseNavigationDoesNothingAndIsComplete) {
    MessageCapture messages;
    TXWaveBase base;
    base.Next();
    base.Previous();
    base.Last();
    base.First();
    EXPECT_EQ(base.CurrentIndex(), 0);
    EXPECT_EQ(base.CurrentText(), "");
    base.SetCurrentText("x");
    base.DeleteCurrent();
    EXPECT_EQ(base.Count(), 0);
    EXPECT_FALSE(base.Changed());
    EXPECT_TRUE(base.CurrentComplete());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(TXWaveBase, CompletenessNeedsTextAndPath) {
    struct Case {
        const char* text;
        const char* path;
        bool complete;
    };
    const std::vector<Case> cases = {
        {"a", "a.wav", true}, {"", "a.wav", false}, {"a", "", false}, {"", "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + "|" + c.path);
        MessageCapture messages;
        TXWaveBase base = Ordered({{c.text, c.path}});
        EXPECT_EQ(base.CurrentComplete(), c.complete);
        if (c.complete) {
            EXPECT_TRUE(messages.Messages().empty());
        } else {
            ASSERT_EQ(messages.Messages().size(), 1u);
            EXPECT_EQ(messages.Messages()[0].text, "Der aktuelle Eintrag ist nicht vollständig!"_cp);
        }
    }
}

TEST(TXWaveBase, AddInsertsAnEmptyEntryAtTheCurrentIndex) {
    TXWaveBase base = Ordered({{"a", "1"}, {"b", "2"}});
    int notified = 0;
    base.SetChangeObserver([&] { ++notified; });
    base.Next();
    base.Add();
    EXPECT_EQ(base.Count(), 3);
    EXPECT_EQ(base.CurrentIndex(), 1);
    EXPECT_EQ(base.CurrentText(), "");
    EXPECT_EQ(base.CurrentPath(), ".wav");
    EXPECT_EQ(base.Entries()[2].first, "b");
    EXPECT_TRUE(base.Changed());
    EXPECT_EQ(notified, 2);
}

TEST(TXWaveBase, APresetEntryIsTheTextsOwnOrANewOneInItsPlace) {
    const struct {
        const char* text;
        int count;
        int current;
    } cases[] = {
        {"Chat", 3, 1},   // found without regard to case: its path changes
        {"bateau", 4, 1}, // new, between "arbre" and "chat"
        {"zoo", 4, 3},    // new, after the last
        {"", 4, 0},       // an empty text is added at the front
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TXWaveBase base = Ordered({{"arbre", "XF:\\a.wav"}, {"chat", "XF:\\c.wav"}, {"maison", "XF:\\m.wav"}});
        base.PresetEntry(c.text, "/eigene/neu.wav");
        EXPECT_EQ(base.Count(), c.count);
        EXPECT_EQ(base.CurrentIndex(), c.current);
        EXPECT_EQ(base.CurrentPath(), "/eigene/neu.wav");
        EXPECT_TRUE(base.Changed());
    }
}

TEST(TXWaveBase, DeletingTheLastEntryMovesBack) {
    TXWaveBase base = Ordered({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    base.Last();
    base.DeleteCurrent();
    EXPECT_EQ(base.Count(), 2);
    EXPECT_EQ(base.CurrentIndex(), 1);
    EXPECT_EQ(base.CurrentText(), "b");
    base.First();
    base.DeleteCurrent();
    EXPECT_EQ(base.CurrentText(), "b");
    base.DeleteCurrent();
    EXPECT_EQ(base.Count(), 0);
    EXPECT_EQ(base.CurrentIndex(), 0);
}

TEST(TXWaveBase, SettersChangeAndNotifyOnlyWithACurrentEntry) {
    TXWaveBase base = Ordered({{"a", "1"}});
    int notified = 0;
    base.SetChangeObserver([&] { ++notified; });
    base.SetCurrentText("neu");
    base.SetCurrentPath("XU:\\neu.wav");
    EXPECT_EQ(base.Entries()[0], (WaveBaseEntry{"neu", "XU:\\neu.wav"}));
    EXPECT_EQ(notified, 2);
    base.SetChangeObserver({});
    base.SetCurrentText("ohne Beobachter");
    EXPECT_EQ(notified, 2);
}

TEST(TXWaveBase, LoadAndSaveBothForms) {
    ScratchFolder folder;
    MessageCapture messages;
    std::string plain = folder.File("liste.txt");
    ASSERT_TRUE(WriteFileAtomically(plain, "  un \nXF:1.wav\r\ndeux\nXF:2.wav\n"));

    TXWaveBase base;
    int notified = 0;
    base.SetChangeObserver([&] { ++notified; });
    base.SetChanged(true);
    EXPECT_TRUE(base.Load(plain));
    EXPECT_EQ(notified, 1);
    EXPECT_FALSE(base.Changed());
    EXPECT_EQ(base.LoadedFrom(), plain);
    ASSERT_EQ(base.Count(), 2);
    EXPECT_EQ(base.Entries()[0], (WaveBaseEntry{"un", "XF:1.wav"}));

    // Saving always writes the compressed form, whatever the extension.
    std::string packed = folder.File("f_w.qor");
    base.SetChanged(true);
    ASSERT_TRUE(base.Save(packed));
    EXPECT_FALSE(base.Changed());
    std::string bytes, inflated;
    ASSERT_TRUE(ReadWholeFile(packed, bytes));
    ASSERT_EQ(InflateZlib(bytes, inflated, 1000), InflateStatus::Ok);
    EXPECT_EQ(inflated, std::string("un\0XF:1.wav\0deux\0XF:2.wav\0", 26));

    TXWaveBase again;
    EXPECT_TRUE(again.Load(packed));
    EXPECT_EQ(again.Entries(), base.Entries());
    // Loading appends.
    EXPECT_TRUE(again.Load(packed));
    EXPECT_EQ(again.Count(), 4);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(TXWaveBase, DamagedCompressedFileIsReportedAndKeepsWhatWasRead) {
    ScratchFolder folder;
    MessageCapture messages;
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "mot" + std::to_string(i) + '\0' + "p" + '\0';
    std::string compressed = DeflateZlib(text);
    std::string file = folder.File("kaputt.xtm");
    ASSERT_TRUE(WriteFileAtomically(file, compressed.substr(0, compressed.size() * 2 / 3)));

    TXWaveBase base;
    EXPECT_FALSE(base.Load(file));
    EXPECT_GT(base.Count(), 0);
    EXPECT_LT(base.Count(), 3000);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Fehler beim Laden von " + file + "!");
    EXPECT_EQ(messages.Messages()[0].flags & 0xF0, kMbIconError);
}

TEST(TXWaveBase, MissingFiles) {
    ScratchFolder folder;
    MessageCapture messages;
    TXWaveBase base;
    EXPECT_FALSE(base.Load(folder.File("fehlt.qor")));
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(base.Load(folder.File("fehlt.txt"))); // the plain form is not checked
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(base.Count(), 0);
}

TEST(TXWaveBase, SaveOverAReadOnlyFileMakesItWritable) {
    ScratchFolder folder;
    std::string file = folder.File("f_w.qor");
    ASSERT_TRUE(WriteFileAtomically(file, "alt"));
    std::filesystem::permissions(file,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    TXWaveBase base = Ordered({{"a", "1"}});
    EXPECT_TRUE(base.Save(file));
    TXWaveBase again;
    EXPECT_TRUE(again.Load(file));
    EXPECT_EQ(again.Entries(), base.Entries());
}

TEST(TXWaveBase, SaveIntoAMissingFolderFailsAndKeepsTheChangedFlag) {
    ScratchFolder folder;
    TXWaveBase base = Ordered({{"a", "1"}});
    base.SetChanged(true);
    EXPECT_FALSE(base.Save(folder.File("gibt/es/nicht.qor")));
    EXPECT_TRUE(base.Changed());
}

TEST(TXWaveBase, RegistryValueDatenbank3) {
    ScratchFolder folder;
    auto registry = OpenFileRegistry(folder.File("registry.txt"));
    std::string dataFolder = folder.Path().string();
    EXPECT_EQ(WaveBaseFileName(*registry, dataFolder), dataFolder + "/f_w.qor");

    std::string stored = folder.File("eigene.qor");
    registry->WriteText(WaveBaseRegistryKey(), "Datenbank3", stored);
    EXPECT_EQ(WaveBaseFileName(*registry, dataFolder), dataFolder + "/f_w.qor"); // does not exist yet
    ASSERT_TRUE(WriteFileAtomically(stored, ""));
    EXPECT_EQ(WaveBaseFileName(*registry, dataFolder), stored);

    TXWaveBase base;
    registry->WriteText(WaveBaseRegistryKey(), "Datenbank3", "unveraendert");
    StoreWaveBaseLocation(base, *registry);
    EXPECT_EQ(registry->ReadText(WaveBaseRegistryKey(), "Datenbank3"), "unveraendert");
    base.SetSavedTo(stored);
    StoreWaveBaseLocation(base, *registry);
    EXPECT_EQ(registry->ReadText(WaveBaseRegistryKey(), "Datenbank3"), stored);
    EXPECT_EQ(WaveBaseRegistryKey(), "SOFTWARE\\QOR\\qor französisch\\Verzeichnisse"_cp);
}

} // namespace
} // namespace qor

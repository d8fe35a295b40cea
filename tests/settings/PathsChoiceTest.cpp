// The data-folder dialog's choices and its "OK": what each browse button proposes and accepts,
// which folders are stored with which mask, and the questions and messages on the way.

#include "settings/PathsChoice.h"

#include "SettingsTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"

#include <gtest/gtest.h>
#include <map>

namespace qor {
namespace {

class FakeRecordings : public RecordingPrefixes {
public:
    std::vector<std::string> paths;
    std::vector<std::pair<std::string, std::string>> rebased;

    bool AnyPathStartsWith(std::string_view prefix) const override {
        for (const auto& path : paths)
            if (std::string_view(path).starts_with(prefix))
                return true;
        return false;
    }
    int RebasePrefix(std::string_view from, std::string_view to) override {
        rebased.emplace_back(from, to);
        int count = 0;
        for (auto& path : paths)
            if (std::string_view(path).starts_with(from)) {
                path = std::string(to) + path.substr(from.size());
                ++count;
            }
        return count;
    }
};

class PathsChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { SetMessagePresenter(&m_messages); }
    void TearDown() override { SetMessagePresenter(nullptr); }

    PathFolders Stored() const {
        return {"C:/qor/", "C:/benutzer/", "D:/wave/", "C:/aufnahmen/", "-", "E:/recht/"};
    }

    ScriptedMessagePresenter m_messages;
};

TEST_F(PathsChoiceTest, OkStoresTheChangedFoldersWithTheirMask) {
    struct Case {
        const char* name;
        std::function<void(PathFolders&)> edit;
        int mask;
        std::size_t messages;
    };
    const std::vector<Case> cases = {
        {"nothing changed", [](PathFolders&) {}, 0, 0},
        {"wave", [](PathFolders& f) { f.wave = "F:/wave/"; }, 0x02, 0},
        {"own recordings", [](PathFolders& f) { f.ownRecordings = "C:/neu/"; }, 0x04, 0},
        {"business", [](PathFolders& f) { f.business = "C:/wi/"; }, 0x80, 0},
        {"law", [](PathFolders& f) { f.law = "C:/re/"; }, 0x100, 0},
        {"user", [](PathFolders& f) { f.user = "C:/andere/"; }, 0x20, 1},
        {"law cleared", [](PathFolders& f) { f.law = ""; }, 0x100, 0},
        {"all",
         [](PathFolders& f) {
             f.wave = "a/";
             f.ownRecordings = "b/";
             f.business = "c/";
             f.law = "d/";
             f.user = "e/";
         },
         0x02 | 0x04 | 0x80 | 0x100 | 0x20, 1},
        {"program folder is not stored", [](PathFolders& f) { f.program = "X:/"; }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.ClearMessages();
        PathFolders stored = Stored();
        PathFolders entered = Stored();
        c.edit(entered);
        std::vector<int> saved;
        int mask = ApplyPathsDialog(stored, entered, nullptr, [&](int m) { saved.push_back(m); });
        EXPECT_EQ(mask, c.mask);
        EXPECT_EQ(saved, c.mask ? std::vector<int>{c.mask} : std::vector<int>{});
        EXPECT_EQ(m_messages.Messages().size(), c.messages);
        PathFolders expected = entered;
        expected.program = Stored().program;
        EXPECT_EQ(stored, expected);
    }
}

TEST_F(PathsChoiceTest, OnlyTheUserFolderSavesWithMask20AndWarns) {
    PathFolders stored = Stored();
    PathFolders entered = Stored();
    entered.user = "C:/neu";
    int savedMask = 0;
    ApplyPathsDialog(stored, entered, nullptr, [&](int m) { savedMask = m; });
    EXPECT_EQ(savedMask, 0x20);
    EXPECT_EQ(stored.user, "C:/neu/"); // stored with its separator
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text,
              "Achtung: Das neue Benutzer-Verzeichnis ist erst ab dem nächsten Programmstart aktiv!"_cp);
    EXPECT_EQ(m_messages.Messages()[0].caption, "*qor französisch"_cp);
}

TEST_F(PathsChoiceTest, AFolderDifferingOnlyByItsSeparatorIsNotAChange) {
    PathFolders stored = Stored();
    PathFolders entered = Stored();
    entered.wave = "D:/wave";
    EXPECT_EQ(ApplyPathsDialog(stored, entered, nullptr, {}), 0);
}

TEST_F(PathsChoiceTest, OwnRecordingsAskToMoveTheIndexBehindTheAlias) {
    struct Case {
        const char* name;
        std::vector<std::string> paths;
        int answer;
        bool asked;
        std::vector<std::string> pathsAfter;
    };
    const std::vector<Case> cases = {
        {"accepted",
         {"C:/neu/a.wav", "XF:b.wav", "C:/neu/c.wav"},
         kIdOk,
         true,
         {"XU:a.wav", "XF:b.wav", "XU:c.wav"}},
        {"refused", {"C:/neu/a.wav"}, kIdCancel, true, {"C:/neu/a.wav"}},
        {"nothing in the folder", {"C:/alt/a.wav"}, kIdOk, false, {"C:/alt/a.wav"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMessagePresenter messages;
        SetMessagePresenter(&messages);
        messages.AddAnswer(c.answer);
        FakeRecordings recordings;
        recordings.paths = c.paths;
        PathFolders stored = Stored();
        PathFolders entered = Stored();
        entered.ownRecordings = "C:/neu/";
        int mask = ApplyPathsDialog(stored, entered, &recordings, {});
        EXPECT_EQ(mask, 0x04);
        EXPECT_EQ(recordings.paths, c.pathsAfter);
        if (!c.asked) {
            EXPECT_TRUE(messages.Messages().empty());
            continue;
        }
        ASSERT_GE(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].flags, 33);
        EXPECT_EQ(messages.Messages()[0].text,
                  "Sollen in der Verwaltung der Sprachaufnahmen alle Verknüpfungen\rmit Dateien in dem "
                  "Verzeichnis C:/neu/ durch den Alias \"XU:\"\rersetzt werden (empfohlen)?"_cp);
        if (c.answer == kIdOk) {
            ASSERT_EQ(messages.Messages().size(), 2u);
            EXPECT_EQ(messages.Messages()[1].text, "2 Einträge wurden geändert."_cp);
            ASSERT_EQ(recordings.rebased.size(), 1u);
            EXPECT_EQ(recordings.rebased[0].second, "XU:");
        } else {
            EXPECT_EQ(messages.Messages().size(), 1u);
            EXPECT_TRUE(recordings.rebased.empty());
        }
    }
    SetMessagePresenter(&m_messages);
}

TEST_F(PathsChoiceTest, TheQuestionComesBeforeTheUserFolderWarning) {
    m_messages.AddAnswer(kIdCancel);
    FakeRecordings recordings;
    recordings.paths = {"C:/neu/x.wav"};
    PathFolders stored = Stored();
    PathFolders entered = Stored();
    entered.ownRecordings = "C:/neu/";
    entered.user = "C:/b2/";
    EXPECT_EQ(ApplyPathsDialog(stored, entered, &recordings, {}), 0x24);
    ASSERT_EQ(m_messages.Messages().size(), 2u);
    EXPECT_EQ(m_messages.Messages()[0].flags, 33);
    EXPECT_TRUE(m_messages.Messages()[1].text.starts_with("Achtung"));
}

TEST(PathsBrowse, RequestsPerField) {
    struct Case {
        PathsBrowseField field;
        std::string fieldText;
        FileChoiceRequest request;
    };
    const std::vector<Case> cases = {
        {PathsBrowseField::Wave, "D:/wave/", {"D:/wave/", "D:/wave/QOR_F", "", ""}},
        {PathsBrowseField::Wave, "D:/wave", {"D:/wave", "D:/wave/QOR_F", "", ""}},
        {PathsBrowseField::OwnRecordings, "C:/a/", {"C:/a/", "C:/a/*.wav", "Wav-Dateien (*.wav)|*.WAV", ""}},
        {PathsBrowseField::OwnRecordings, "", {"", "*.wav", "Wav-Dateien (*.wav)|*.WAV", ""}},
        {PathsBrowseField::User, "C:/b/", {"C:/b/", "C:/b/*.txt", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fieldText);
        EXPECT_EQ(PathsBrowseRequest(c.field, c.fieldText), c.request);
    }
}

TEST(PathsBrowse, ChoicesAreCheckedPerField) {
    test::TempFolder temp;
    std::string waveFolder = temp.MakeFolder("wave");
    temp.Touch("wave/QOR_F");
    temp.Touch("wave/LA/a.wav");
    std::string plainFolder = temp.MakeFolder("plain");
    std::string note = temp.Touch("plain/note.txt");
    std::string upperWav = temp.Touch("plain/SATZ.WAV");
    std::string ownFolder = temp.MakeFolder("own");
    struct Case {
        const char* name;
        PathsBrowseField field;
        std::string fieldText;
        std::string chosen;
        std::optional<std::string> result;
    };
    const std::vector<Case> cases = {
        {"wave folder with marker", PathsBrowseField::Wave, "", waveFolder + "QOR_F", waveFolder},
        {"wave folder: any file beside the marker", PathsBrowseField::Wave, "", waveFolder + "x.dat",
         waveFolder},
        {"wave folder without marker", PathsBrowseField::Wave, "", note, std::nullopt},
        {"wave: same as the field", PathsBrowseField::Wave, waveFolder + "QOR_F", waveFolder + "QOR_F",
         std::nullopt},
        {"own recordings: a wav file", PathsBrowseField::OwnRecordings, ownFolder, upperWav, plainFolder},
        {"own recordings: not a wav", PathsBrowseField::OwnRecordings, ownFolder, note, std::nullopt},
        {"own recordings: missing file", PathsBrowseField::OwnRecordings, ownFolder, ownFolder + "neu.wav",
         std::nullopt},
        {"user: an existing file", PathsBrowseField::User, "", note, plainFolder},
        {"user: missing file", PathsBrowseField::User, "", plainFolder + "fehlt.txt", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AcceptPathsChoice(c.field, c.fieldText, c.chosen), c.result);
    }
}

} // namespace
} // namespace qor

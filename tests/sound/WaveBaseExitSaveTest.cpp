#include "sound/WaveBaseExitSave.h"

#include "SoundTestSupport.h"
#include "platform/Cp1252.h"
#include "sound/TXWaveBase.h"

#include <deque>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::MessageCapture;
using test::ScratchFolder;

const std::string kChanged = std::string("Die Datenbank für die Sprachaufnahmen wurde verändert.\n"
                                         "Sollen diese Veränderungen gespeichert werden?"_cp);
const std::string kSaved =
    std::string("Die Datenbank für die Sprachaufnahmen wurde erfolgreich gespeichert."_cp);
const std::string kFailed =
    std::string("Die Datenbank für die Sprachaufnahmen konnte nicht gespeichert werden. \n"
                "Soll sie an einem anderen Ort gespeichert werden?\n\n"
                "Achtung: Bei Nein gehen alle Veränderungen verloren."_cp);

class ScriptedSaveDialog : public WaveBaseSaveDialog {
public:
    std::optional<std::string> AskSaveFile(std::string_view title, std::string_view fileName,
                                           std::string_view filter) override {
        asked.push_back({std::string(title), std::string(fileName), std::string(filter)});
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    struct Question {
        std::string title, fileName, filter;
    };
    std::vector<Question> asked;
    std::deque<std::optional<std::string>> answers;
};

// A changed database of two unsorted entries that was loaded from `file` (which need not exist).
TXWaveBase ChangedBase(const std::string& file) {
    TXWaveBase loaded;
    loaded.Load(file);
    loaded.Add();
    loaded.SetCurrentText("zebre");
    loaded.SetCurrentPath("z.wav");
    loaded.Add();
    loaded.SetCurrentText("arbre");
    loaded.SetCurrentPath("a.wav");
    return loaded;
}

std::vector<std::string> Texts(const MessageCapture& capture) {
    std::vector<std::string> texts;
    for (const auto& message : capture.Messages())
        texts.push_back(message.text);
    return texts;
}

TEST(WaveBaseExitSave, NothingHappensWhenUnchangedOrWriteProtected) {
    ScratchFolder folder;
    TXWaveBase base = ChangedBase(folder.File("f_w.qor")); // its failed load is not part of the test
    MessageCapture messages;
    ScriptedSaveDialog dialog;
    TXWaveBase unchanged;
    EXPECT_EQ(SaveWaveBaseAtExit(unchanged, WriteProtection::Off, dialog), ExitSaveResult::Unchanged);
    EXPECT_EQ(SaveWaveBaseAtExit(base, WriteProtection::On, dialog), ExitSaveResult::WriteProtected);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("f_w.qor")));
}

TEST(WaveBaseExitSave, NoKeepsTheFile) {
    ScratchFolder folder;
    TXWaveBase base = ChangedBase(folder.File("f_w.qor")); // its failed load is not part of the test
    MessageCapture messages;
    messages.Presenter().AddAnswer(kIdNo);
    ScriptedSaveDialog dialog;
    EXPECT_EQ(SaveWaveBaseAtExit(base, WriteProtection::Off, dialog), ExitSaveResult::Declined);
    EXPECT_EQ(Texts(messages), std::vector<std::string>{kChanged});
    EXPECT_EQ(messages.Messages()[0].flags & 0x0F, kMbYesNo);
    EXPECT_FALSE(std::filesystem::exists(folder.File("f_w.qor")));
    EXPECT_TRUE(base.SavedTo().empty());
}

TEST(WaveBaseExitSave, YesSortsAndSavesToTheLoadedFile) {
    ScratchFolder folder;
    std::string file = folder.File("f_w.qor");
    TXWaveBase base = ChangedBase(file); // its failed load is not part of the test
    MessageCapture messages;
    messages.Presenter().AddAnswer(kIdYes);
    ScriptedSaveDialog dialog;
    EXPECT_EQ(SaveWaveBaseAtExit(base, WriteProtection::Off, dialog), ExitSaveResult::Saved);
    EXPECT_EQ(Texts(messages), (std::vector<std::string>{kChanged, kSaved}));
    EXPECT_EQ(base.SavedTo(), file);
    EXPECT_TRUE(dialog.asked.empty());
    TXWaveBase again;
    ASSERT_TRUE(again.Load(file));
    ASSERT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Entries()[0].first, "arbre");
}

TEST(WaveBaseExitSave, FailureOffersAnotherPlaceAndAppendsQor) {
    ScratchFolder folder;
    TXWaveBase base = ChangedBase(folder.File("nicht/da/f_w.qor")); // its failed load is not part of the test
    MessageCapture messages;
    messages.Presenter().AddAnswer(kIdYes); // save?
    messages.Presenter().AddAnswer(kIdYes); // another place?
    messages.Presenter().AddAnswer(kIdYes); // another place (second failure)?
    ScriptedSaveDialog dialog;
    dialog.answers = {folder.File("fehlt/ort.qor"), folder.File("neu")};
    EXPECT_EQ(SaveWaveBaseAtExit(base, WriteProtection::Off, dialog), ExitSaveResult::Saved);
    EXPECT_EQ(Texts(messages), (std::vector<std::string>{kChanged, kFailed, kFailed, kSaved}));
    ASSERT_EQ(dialog.asked.size(), 2u);
    EXPECT_EQ(dialog.asked[0].title, "Datenbank für die Sprachaufnahmen speichern"_cp);
    EXPECT_EQ(dialog.asked[0].fileName, "f_w.qor");
    EXPECT_EQ(dialog.asked[0].filter, "QOR Datenbank (*.qor)|*.qor)");
    EXPECT_EQ(dialog.asked[1].fileName, "ort.qor");
    EXPECT_EQ(base.SavedTo(), folder.File("neu.qor"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("neu.qor")));
}

TEST(WaveBaseExitSave, GivingUp) {
    struct Case {
        const char* name;
        int secondAnswer;
        std::optional<std::string> dialogAnswer;
        std::size_t dialogs;
    };
    const std::vector<Case> cases = {
        {"no to another place", kIdNo, std::nullopt, 0},
        {"dialog cancelled", kIdYes, std::nullopt, 1},
        {"dialog gives an empty name", kIdYes, std::string(), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        TXWaveBase base =
            ChangedBase(folder.File("nicht/da/f_w.qor")); // its failed load is not part of the test
        MessageCapture messages;
        messages.Presenter().AddAnswer(kIdYes);
        messages.Presenter().AddAnswer(c.secondAnswer);
        ScriptedSaveDialog dialog;
        dialog.answers = {c.dialogAnswer};
        EXPECT_EQ(SaveWaveBaseAtExit(base, WriteProtection::Off, dialog), ExitSaveResult::GaveUp);
        EXPECT_EQ(Texts(messages), (std::vector<std::string>{kChanged, kFailed}));
        EXPECT_EQ(dialog.asked.size(), c.dialogs);
        EXPECT_TRUE(base.SavedTo().empty());
    }
}

} // namespace
} // namespace qor

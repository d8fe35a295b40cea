#include "app/RecordingPlayback.h"

#include "AppTestSupport.h"
#include "platform/Random.h"

#include <set>

namespace qor::test {
namespace {

class RecordingTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_settings.waveFolder = Folder("wave");
        m_chat = File("wave/chat.wav");
        m_chien = File("wave/chien.wav");
        m_leChat = File("wave/le_chat.wav");
        m_index.Add("chat", "XF:\\chat.wav");
        m_index.Add("chien", "XF:\\chien.wav");
        m_index.Add("le chat", "XF:\\le_chat.wav");
        m_index.Add("oiseau", "XF:\\fehlt.wav"); // stored, but the file is missing
    }

    std::string Find(std::string_view text) { return FindRecordingForText(text, m_index, m_settings); }

    std::vector<std::string> PlayCommands(const std::string& file) {
        return {"close welle", "open \"" + file + "\" alias welle", "play welle from 0"};
    }
    std::vector<std::string> CaretCommands(const std::string& file) {
        return {"close welle", "open \"" + file + "\" type waveaudio alias welle", "play welle from 0"};
    }

    AppSettings m_settings;
    FixedRecordingIndex m_index;
    RecordingMediaSender m_sender;
    std::string m_chat, m_chien, m_leChat;
};

TEST_F(RecordingTest, FindRecordingForTextLooksUpAndResolves) {
    struct Case {
        const char* text;
        std::string expected;
    };
    const Case cases[] = {
        {"chat", m_chat},
        {"CHAT", m_chat},
        {"chat [fam.]", m_chat},
        {"[fam.] chat", m_chat},
        {"le [gros] chat", m_leChat}, // the double blank left behind becomes one
        {"chat []", ""},              // "[]" holds no comment
        {"chat ]fam.[", ""},
        {"oiseau", ""}, // the stored file does not exist
        {"cheval", ""},
        {"", ""},
        {"chat; cheval", m_chat}, // the only meaning with a recording
        {"cheval; [fam.] chien", m_chien},
        {"cheval; vache", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Find(c.text), c.expected);
    }
}

TEST_F(RecordingTest, TwoRecordedMeaningsArePickedAtRandom) {
    SeedRandom(4711);
    std::set<std::string> picked;
    for (int round = 0; round < 64; ++round) {
        std::string file = Find("chat; chien");
        ASSERT_TRUE(file == m_chat || file == m_chien) << file;
        picked.insert(file);
    }
    EXPECT_EQ(picked.size(), 2u);
}

TEST_F(RecordingTest, WithoutBracketCommentCases) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"chat [fam.]", "chat"}, {"[fam.] chat", "chat"}, {"un [petit]  chat", "un  chat"},
        {"sans", "sans"},        {"[] vide", "[] vide"},  {"  espace  ", "espace"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WithoutBracketComment(c.text), c.expected);
    }
}

TEST_F(RecordingTest, PlayRecordingFileSendsQuietCommands) {
    EXPECT_TRUE(PlayRecordingFile("", m_sender));
    EXPECT_TRUE(m_sender.commands.empty());

    EXPECT_TRUE(PlayRecordingFile(m_chat, m_sender));
    EXPECT_EQ(m_sender.commands, PlayCommands(m_chat));

    m_sender.commands.clear();
    m_sender.replies["open"] = "Error 263";
    EXPECT_FALSE(PlayRecordingFile(m_chat, m_sender));
    EXPECT_EQ(m_sender.commands,
              (std::vector<std::string>{"close welle", "open \"" + m_chat + "\" alias welle"}));

    m_sender.commands.clear();
    m_sender.replies.clear();
    m_sender.replies["play"] = "Error 5";
    m_sender.replies["close"] = "Error 263"; // closing nothing fails and does not matter
    EXPECT_FALSE(PlayRecordingFile(m_chat, m_sender));
    EXPECT_EQ(m_sender.commands, PlayCommands(m_chat));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RecordingTest, PlayRecordingForTextPlaysWhatItFinds) {
    PlayRecordingForText("chien", m_index, m_settings, m_sender);
    EXPECT_EQ(m_sender.commands, PlayCommands(m_chien));
    m_sender.commands.clear();
    PlayRecordingForText("cheval", m_index, m_settings, m_sender);
    EXPECT_TRUE(m_sender.commands.empty());
}

TEST_F(RecordingTest, PlayRecordingAtCaretFindsTheMeaningAroundTheCaret) {
    struct Case {
        const char* name;
        std::string text;
        int caret;
        int selection;
        std::string played; // empty: nothing sent
    };
    const Case cases[] = {
        {"caret 0 counts as 1", "chat; chien", 0, 0, m_chat},
        {"inside the first", "chat; chien", 2, 0, m_chat},
        {"end of the first", "chat; chien", 4, 0, m_chat},
        {"inside the second", "chat; chien", 8, 0, m_chien},
        {"at the very end", "chat; chien", 11, 0, m_chien},
        {"beyond the text", "chat; chien", 12, 0, ""},
        {"empty text", "", 0, 0, ""},
        {"leading comment skipped", "chat; [fam.]  chien", 16, 0, m_chien},
        {"last meaning trimmed", "chat; chien ", 8, 0, m_chien},
        {"unknown meaning", "cheval; chat", 3, 0, ""},
        {"selection looked up", "le chat noir", 3, 4, m_chat},
        {"selection trimmed", "le chat noir", 2, 6, m_chat},
        {"dressing dropped at the piece start", "(chat). ", 0, 8, m_chat},
        {"dressing kept elsewhere", "le (chat). ", 3, 8, ""},
        {"stored file missing", "oiseau", 1, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_sender.commands.clear();
        PlayRecordingAtCaret(c.text, c.caret, c.selection, m_index, m_settings, m_sender);
        if (c.played.empty())
            EXPECT_TRUE(m_sender.commands.empty());
        else
            EXPECT_EQ(m_sender.commands, CaretCommands(c.played));
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RecordingTest, TextsWithoutARecordingAreSpokenWhenSpeechIsOn) {
    const auto speak = [](const std::string& text) {
        return std::vector<std::string>{"close welle", "open \"" + text + "\" type sprache alias welle",
                                        "play welle from 0"};
    };
    EXPECT_EQ(ListenTarget("chat", m_index, m_settings, true), m_chat);
    EXPECT_EQ(ListenTarget("cheval", m_index, m_settings, true), "sprich:cheval");
    EXPECT_EQ(ListenTarget("cheval", m_index, m_settings, false), "");
    EXPECT_EQ(ListenTarget("[nur Kommentar]", m_index, m_settings, true), "") << "nothing to say";
    EXPECT_EQ(ListenTarget("dit \"oui\"@", m_index, m_settings, true), "sprich:dit oui")
        << "no character that ends or splits a link target";

    EXPECT_TRUE(PlayListenTarget("sprich:le cheval", m_sender));
    EXPECT_EQ(m_sender.commands, speak("le cheval"));
    m_sender.commands.clear();
    EXPECT_TRUE(PlayListenTarget(m_chat, m_sender));
    EXPECT_EQ(m_sender.commands, PlayCommands(m_chat));
    m_sender.commands.clear();
    m_sender.replies["open"] = "Error266"; // no voice: silent, as without a sound device
    EXPECT_FALSE(PlayListenTarget("sprich:le cheval", m_sender));
    m_sender.replies.clear();

    struct Case {
        const char* name;
        std::string text;
        int caret;
        int selection;
        bool speechOn;
        std::vector<std::string> commands;
    };
    const Case cases[] = {
        {"the meaning at the caret", "chat; cheval", 8, 0, true, speak("cheval")},
        {"the selection first", "un cheval blanc", 3, 6, true, speak("cheval")},
        {"a recording wins", "chat; cheval", 2, 0, true, CaretCommands(m_chat)},
        {"speech off", "chat; cheval", 8, 0, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_sender.commands.clear();
        PlayRecordingAtCaret(c.text, c.caret, c.selection, m_index, m_settings, m_sender, c.speechOn);
        EXPECT_EQ(m_sender.commands, c.commands);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RecordingTest, PlayRecordingAtCaretShowsOpenAndPlayErrors) {
    m_sender.replies["close"] = "Error 263"; // quiet
    m_sender.replies["open"] = "Error 275";
    PlayRecordingAtCaret("chat", 1, 0, m_index, m_settings, m_sender);
    EXPECT_EQ(m_sender.commands.size(), 2u);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].flags, kMbIconError);
    EXPECT_EQ(Messages()[0].text, "Fehler 275 - open \"" + m_chat + "\" type waveaudio alias welle");

    m_sender.commands.clear();
    m_sender.replies.erase("open");
    m_sender.replies["play"] = "Error 5";
    PlayRecordingAtCaret("chat", 1, 0, m_index, m_settings, m_sender);
    EXPECT_EQ(m_sender.commands, CaretCommands(m_chat));
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].text, "Fehler 5 - play welle from 0");
}

TEST_F(RecordingTest, ProcessWideIndexAndSenderAreUsedByDefault) {
    Settings() = m_settings;
    SetCurrentRecordingIndex(&m_index);
    SetMediaCommandSender(&m_sender);
    EXPECT_EQ(FindRecordingForText("chat"), m_chat);
    PlayRecordingForText("chien");
    EXPECT_EQ(m_sender.commands, PlayCommands(m_chien));
    SetCurrentRecordingIndex(nullptr);
    EXPECT_EQ(FindRecordingForText("chat"), "");
}

} // namespace
} // namespace qor::test

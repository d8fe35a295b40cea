#include "app/MeaningFormat.h"

#include "AppTestSupport.h"

namespace qor::test {
namespace {

class MeaningFormatTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_settings.waveFolder = Folder("wave");
        m_chat = File("wave/chat.wav");
        m_index.Add("chat", "XF:\\chat.wav");
        m_index.Add("chien", "XF:\\fehlt.wav"); // does not resolve
    }

    std::string Link(const std::string& piece) { return "<a href=\"" + m_chat + "\" >" + piece + "</a>"; }

    AppSettings m_settings;
    FixedRecordingIndex m_index;
    std::string m_chat;
};

TEST_F(MeaningFormatTest, StyledAndPlainForms) {
    struct Case {
        const char* name;
        std::string text;
        std::string styled;
        std::string plain;
    };
    const Case cases[] = {
        {"leading comment then a second piece", "[fam.] bagnole; voiture",
         "<+kommentar>[fam.]<+normal> bagnole; voiture", " [fam.] bagnole; voiture"},
        {"trailing comment", "voiture [fam.]", "<+kommentar>[fam.]<+normal> voiture", " [fam.] voiture"},
        {"comment inside stays", "une [vieille] voiture", "une [vieille] voiture", "une [vieille] voiture"},
        {"pieces trimmed on the right", "auto  ; voiture ", "auto; voiture", "auto; voiture"},
        {"the character after ; is dropped", "auto;voiture", "auto; oiture", "auto; oiture"},
        {"single piece", "voiture", "voiture", "voiture"},
        {"empty", "", "", ""},
        {"recording becomes a link", "chat; chien", Link("chat") + "; chien", Link("chat") + "; chien"},
        {"link after its comment", "[fam.] chat", "<+kommentar>[fam.]<+normal> " + Link("chat"),
         " [fam.] " + Link("chat")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatMeanings(c.text, MeaningMarkup::Styled, m_index, m_settings), c.styled);
        EXPECT_EQ(FormatMeanings(c.text, MeaningMarkup::Plain, m_index, m_settings), c.plain);
    }
}

TEST_F(MeaningFormatTest, SplitMeaningsTakesOutComments) {
    std::vector<MeaningPiece> pieces = SplitMeanings("[qc] chanter; voiture [fam.]; a [b] c");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].comment, "[qc]");
    EXPECT_EQ(pieces[0].text, "chanter");
    EXPECT_EQ(pieces[1].comment, "[fam.]");
    EXPECT_EQ(pieces[1].text, "voiture");
    EXPECT_EQ(pieces[2].comment, "");
    EXPECT_EQ(pieces[2].text, "a [b] c");
}

TEST_F(MeaningFormatTest, UsesTheProcessWideIndex) {
    Settings() = m_settings;
    EXPECT_EQ(FormatMeanings("chat", MeaningMarkup::Plain), "chat");
    SetCurrentRecordingIndex(&m_index);
    EXPECT_EQ(FormatMeanings("chat", MeaningMarkup::Plain), Link("chat"));
}

} // namespace
} // namespace qor::test

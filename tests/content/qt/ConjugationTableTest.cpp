// The conjugation table page "verbtafel.htx" with every verb of the built-in table, laid out with
// the Liberation fonts (Arial's metrics): every form stays on its person's row and inside its
// column, and no column runs out of its card.

#include "content/ShippedContent.h"
#include "page/render/PageRenderRun.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/qt/QtFontService.h"
#include "vocab/verbs/VerbPages.h"
#include "vocab/verbs/VerbTable.h"

#include <QGuiApplication>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace qor::test {
namespace {

class ConjugationTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "content_qt_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv); // never destroyed: Qt must not go down with the statics
        ASSERT_TRUE(QtFontService::LoadFontFiles());
        s_content = new ShippedContent();
    }
    static void TearDownTestSuite() {
        delete s_content;
        s_content = nullptr;
    }
    void SetUp() override {
        SetFontService(&m_fonts);
        SetMessagePresenter(&m_messages);
    }
    void TearDown() override {
        SetMessagePresenter(nullptr);
        SetFontService(nullptr);
    }

    static inline ShippedContent* s_content = nullptr;
    QtFontService m_fonts;
    ScriptedMessagePresenter m_messages;
};

TEST_F(ConjugationTableTest, EveryFormStaysOnItsRowInsideItsColumnAndCard) {
    for (const TVerb& verb : LoadBuiltInVerbTable()) {
        SCOPED_TRACE(Utf8FromCp1252(verb.infinitive));
        PageRenderRequest request;
        request.folder = s_content->Folder("verbtafel.htx");
        request.file = "verbtafel.htx";
        request.macros = {
            {"Infinitiv", verb.infinitive}, {"Bedeutung", verb.meaning}, {"pron", PronounColumn(verb)}};
        for (int tense = 0; tense < kTenseCount; ++tense)
            request.macros.emplace_back("zeit" + std::to_string(tense), TenseColumn(verb, tense));
        PageRenderRun run;
        ASSERT_TRUE(run.Render(request));
        const std::vector<PageBoxRecord>& boxes = run.Document().boxes;

        // The columns: the boxes of text that start on the same line as a pronoun column.
        std::map<int, int> lastBaseLine; // box index → the base line of its last word
        std::vector<int> pronounBoxes;
        for (const LayoutElement& element : run.Layout().Elements()) {
            if (!element.IsWord() || element.style.boxIndex < 0)
                continue;
            int& last = lastBaseLine[element.style.boxIndex];
            last = std::max(last, element.baseLine);
            if (element.text == "ils")
                pronounBoxes.push_back(element.style.boxIndex);
        }
        ASSERT_EQ(pronounBoxes.size(), 3u) << "three cards, each with its pronouns";
        for (int pronouns : pronounBoxes) {
            const PageBoxRecord& pronounBox = boxes[static_cast<std::size_t>(pronouns)];
            const auto card = std::find_if(boxes.begin(), boxes.end(), [&](const PageBoxRecord& box) {
                return box.filled && box.y <= pronounBox.y && pronounBox.y < box.y + box.height &&
                       box.x <= pronounBox.x && pronounBox.x < box.x + box.width;
            });
            ASSERT_NE(card, boxes.end());
            for (const LayoutElement& element : run.Layout().Elements()) {
                if (!element.IsWord() || element.style.boxIndex < 0 ||
                    boxes[static_cast<std::size_t>(element.style.boxIndex)].y != pronounBox.y)
                    continue;
                const PageBoxRecord& column = boxes[static_cast<std::size_t>(element.style.boxIndex)];
                SCOPED_TRACE(Utf8FromCp1252(element.text));
                EXPECT_LE(element.x + element.width, column.x + column.width)
                    << "spills into the next column";
                EXPECT_LE(element.Bottom(), card->y + card->height) << "runs out of its card";
                EXPECT_EQ(lastBaseLine[element.style.boxIndex], lastBaseLine[pronouns])
                    << "a row more than the pronouns";
            }
        }
    }
}

} // namespace
} // namespace qor::test

// The verb selection window over a small trainer: what it shows of the stored choice, what it
// stores, and how the learner leaves it.

#include "app/qt/QtTestApplication.h"
#include "settings/qt/TXListBox.h"
#include "vocab/verbs/TVerben.h"
#include "vocab/verbs/VerbTestSupport.h"
#include "vocab/verbs/qt/TVerbAuswahl.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qor {
namespace {

class VerbSelectionWindowTest : public test::QtApplicationTest {
protected:
    // avoir, être, donner, aimer
    void Open(std::string_view verbs, std::string_view tenses, std::vector<std::string> captions = {}) {
        m_registry.WriteText(kVerbTrainerKey, "Verben", verbs);
        m_registry.WriteText(kVerbTrainerKey, "Zeiten", tenses);
        m_verbs = std::make_unique<TVerben>(test::Table(test::kAuxiliaries +
                                                        test::ErVerb("donner", "geben", "avoir") +
                                                        test::ErVerb("aimer", "lieben", "avoir")),
                                            nullptr, m_registry);
        VerbSelectionSetup setup;
        setup.verbs = m_verbs.get();
        setup.onExit = [this](VerbExit exit) { m_exits.push_back(exit); };
        setup.tenseCaptions = std::move(captions);
        m_window = std::make_unique<TVerbAuswahl>(std::move(setup));
        m_window->show();
    }
    template <class T> T* Named(const char* name) const {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }
    void ClickLine(int line) {
        const QPointF at(40, line * kListItemHeight + 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, Named<TXListBox>("Liste")->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Named<TXListBox>("Liste"), &press);
    }
    void Press(const char* name) { Named<QPushButton>(name)->click(); }
    QString Counter() const { return Named<QLabel>("Counter")->text(); }

    test::MemoryRegistry m_registry;
    test::CapturedMessages m_messages;
    std::unique_ptr<TVerben> m_verbs;
    std::vector<VerbExit> m_exits; // outlives the window that reports to it
    std::unique_ptr<TVerbAuswahl> m_window;
};

TEST_F(VerbSelectionWindowTest, FitsTheSmallestScreenAndShowsTheStoredChoice) {
    Open("-+-+", "+-");
    EXPECT_EQ(m_window->windowTitle(), QString::fromUtf8("Einstellungen für den Verbtrainer"));
    EXPECT_TRUE(m_window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_LE(m_window->width(), 800);
    EXPECT_LE(m_window->height(), 572);
    for (QWidget* child : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(m_window->rect().contains(child->geometry())) << child->objectName().toStdString();

    EXPECT_EQ(Named<TXListBox>("Liste")->Items(),
              (std::vector<std::string>{"$avoir", "\xA7\xEAtre", "$donner",
                                        "\xA7"
                                        "aimer"}));
    EXPECT_EQ(Counter(), QStringLiteral("2"));
    EXPECT_TRUE(Named<QCheckBox>("Zeit1")->isChecked());
    EXPECT_FALSE(Named<QCheckBox>("Zeit2")->isChecked());
    EXPECT_EQ(Named<QCheckBox>("Zeit16")->text(), QString::fromUtf8("Cond. passé"));
    Press("AlleAn");
    EXPECT_EQ(Counter(), QStringLiteral("4"));
}

TEST_F(VerbSelectionWindowTest, AbfrageStoresTheMarkedVerbsAndTickedTenses) {
    Open("", "");
    Press("AlleAus");
    EXPECT_EQ(Counter(), QStringLiteral("0"));
    ClickLine(0);
    ClickLine(2);
    EXPECT_EQ(Counter(), QStringLiteral("2"));
    for (int tense = 1; tense <= 16; ++tense)
        Named<QCheckBox>(QStringLiteral("Zeit%1").arg(tense).toLatin1().constData())->setChecked(tense == 4);
    Press("bAbfrage");

    EXPECT_EQ(m_verbs->Selection().VerbText(), "+-+-");
    EXPECT_EQ(m_verbs->Selection().TenseText(), "---+------------");
    EXPECT_EQ(m_registry.ReadText(kVerbTrainerKey, "Verben", "?"), "+-+-");
    EXPECT_EQ(m_registry.ReadText(kVerbTrainerKey, "Zeiten", "?"), "---+------------");
    EXPECT_TRUE(m_messages.All().empty());
    m_window->close(); // the program releases the window after the exit; that is no second one
    EXPECT_EQ(m_exits, std::vector<VerbExit>{VerbExit::Query});
}

TEST_F(VerbSelectionWindowTest, AnEmptyChoiceIsRefusedAndTheWindowStays) {
    Open("", "");
    Press("AlleAus");
    Press("bAbfrage");
    ASSERT_EQ(m_messages.All().size(), 1u);
    EXPECT_EQ(m_messages.All()[0].text, "Keine Verben aktiviert! Was soll ich abfragen???"
                                        "!");
    EXPECT_TRUE(m_exits.empty());
    m_window->close();
    EXPECT_EQ(m_exits, std::vector<VerbExit>{VerbExit::Closed});
}

TEST_F(VerbSelectionWindowTest, AbbrechenLeavesWithoutStoring) {
    Open("+", "+");
    Press("AlleAn");
    Press("bAbbrechen");
    EXPECT_EQ(m_exits, std::vector<VerbExit>{VerbExit::Cancel});
    EXPECT_EQ(m_registry.ReadText(kVerbTrainerKey, "Verben", "?"), "+");
}

TEST_F(VerbSelectionWindowTest, ABoxWithoutCaptionIsHiddenAndChoosesNothing) {
    std::vector<std::string> captions = TenseCaptions();
    captions[2].clear();
    Open("+", "+++", captions);
    EXPECT_TRUE(Named<QCheckBox>("Zeit3")->isHidden());
    EXPECT_FALSE(Named<QCheckBox>("Zeit2")->isHidden());
    Press("bAbfrage");
    EXPECT_EQ(m_verbs->Selection().TenseText(), "++--------------");
    EXPECT_EQ(m_exits, std::vector<VerbExit>{VerbExit::Query});
}

} // namespace
} // namespace qor

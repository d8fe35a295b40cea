#include "dictionary/qt/TXWb.h"

#include "app/qt/QtTestApplication.h"
#include "dictionary/DictionaryTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace qor::test {
namespace {

class TXWbTest : public QtApplicationTest {
protected:
    void SetUp() override {
        FillHalf(dictionary, DictionaryDirection::GermanFrench, {{"Haus", 1, "maison (f)"}});
        FillHalf(dictionary, DictionaryDirection::FrenchGerman,
                 {{"chat (m)", 1, "Katze"}, {"chien (m)", 1, "Hund"}, {"maison (f)", 1, "Haus; Heim"}});
        dictionary.First();
    }

    std::unique_ptr<TXWb> Open() {
        WbSetup setup;
        setup.dictionary = &dictionary;
        setup.recordingLookup = [](std::string_view headword) {
            return headword == "chien (m)" ? std::string("/aufnahmen/chien.wav") : std::string();
        };
        setup.playRecording = [this](const std::string& file) { played.push_back(file); };
        setup.playAtCaret = [this](std::string_view text, int caret, int, bool french) {
            played.push_back(std::string(text) + "@" + std::to_string(caret) + (french ? " fr" : " de"));
        };
        setup.onChanged = [this] { ++changes; };
        return std::make_unique<TXWb>(std::move(setup));
    }

    static QString Cell(const TXWb& window, int row, int column) {
        const QTableWidgetItem* item = window.Grid()->item(row, column);
        return item ? item->text() : QString();
    }

    MessageCapture messages;
    TXDatabase dictionary;
    std::vector<std::string> played;
    int changes = 0;
};

TEST_F(TXWbTest, SearchesTheCurrentHalfInEitherLanguage) {
    std::unique_ptr<TXWb> window = Open();
    EXPECT_EQ(window->windowTitle(), ToQString("qor französisch (3)"_cp));
    window->SearchField()->setText(QStringLiteral("chat"));
    emit window->SearchField()->returnPressed();
    EXPECT_EQ(window->CountLabel()->text(), ToQString("1 Einträge gefunden."_cp));
    EXPECT_EQ(Cell(*window, 0, 0), "1");
    EXPECT_EQ(Cell(*window, 0, 1), "chat (m)");
    EXPECT_EQ(Cell(*window, 0, 2), "Katze");

    // "Deutsch" in the French-German half looks through the meanings.
    window->GermanTerm()->setChecked(true);
    window->SearchField()->setText(QStringLiteral("Heim"));
    window->Button("SuchButton")->click();
    EXPECT_EQ(window->Grid()->rowCount(), 1);
    EXPECT_EQ(Cell(*window, 0, 1), "maison (f)");

    window->SearchField()->setText(QStringLiteral("nichts"));
    window->RunSearch();
    EXPECT_EQ(window->CountLabel()->text(), ToQString("0 Einträge gefunden."_cp));
    EXPECT_EQ(window->Grid()->rowCount(), 1);
    EXPECT_EQ(Cell(*window, 0, 1), "") << "one blank row";
}

TEST_F(TXWbTest, ChoosingAResultMakesItCurrentAndShowsTheEditPage) {
    std::unique_ptr<TXWb> window = Open();
    window->SearchField()->setText(QStringLiteral("ch"));
    window->RunSearch();
    ASSERT_EQ(window->Grid()->rowCount(), 2);
    window->Grid()->selectRow(1);
    EXPECT_EQ(dictionary.Vokabel(), "chien (m)");
    EXPECT_EQ(window->ShownPage(), TXWb::Page::Bearbeiten);
    EXPECT_EQ(window->HeadwordField()->text(), "chien (m)");
    EXPECT_EQ(window->MeaningField()->toPlainText(), "Hund");

    window->Grid()->cellDoubleClicked(1, 0);
    EXPECT_EQ(played, std::vector<std::string>{"chien (m)@0 fr"}) << "the French text of the row";
}

TEST_F(TXWbTest, BrowsingLocatesAsTheLearnerTypes) {
    std::unique_ptr<TXWb> window = Open();
    window->Button("xBlaettern")->click();
    EXPECT_EQ(window->ShownPage(), TXWb::Page::Blaettern);
    EXPECT_FALSE(window->Button("xBlaettern")->isEnabled());
    window->BrowseField()->setText(QStringLiteral("chi"));
    EXPECT_EQ(dictionary.Vokabel(), "chien (m)");
    EXPECT_EQ(window->ShownPage(), TXWb::Page::Blaettern) << "the window's own selection is no choice";
    window->BrowseField()->setText(QStringLiteral("zzz"));
    EXPECT_EQ(dictionary.Vokabel(), "maison (f)") << "past every headword: the last entry";
    EXPECT_EQ(window->Grid()->currentRow(), dictionary.ResultPosition());
}

TEST_F(TXWbTest, EditsWriteThroughAndTheHalvesSwitch) {
    std::unique_ptr<TXWb> window = Open();
    window->show();
    window->Button("xBearbeiten")->click();
    const int before = changes;
    window->HeadwordField()->clear();
    TypeInto(window->HeadwordField(), QStringLiteral("chien (m)"));
    EXPECT_EQ(dictionary.Vokabel(), "chien (m)");
    EXPECT_GT(changes, before) << "the editor's panel hears of it";
    EXPECT_TRUE(window->Button("bPlay")->isVisible()) << "a recording of the headword exists";
    window->Button("bPlay")->click();
    EXPECT_EQ(played, std::vector<std::string>{"/aufnahmen/chien.wav"});

    window->WordClassBox()->setCurrentIndex(1);
    EXPECT_EQ(dictionary.Wortart(), 2);
    // The meaning is one line: Enter is swallowed.
    window->MeaningField()->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window->MeaningField(), &enter);
    EXPECT_EQ(dictionary.Bedeutung().find('\n'), std::string::npos);

    window->Button("Direction")->click();
    EXPECT_TRUE(dictionary.IsGermanFrench());
    EXPECT_EQ(window->windowTitle(), ToQString("qor französisch (1)"_cp));
    EXPECT_EQ(window->Button("Direction")->text(), ToQString(dictionary.ShortDirectionName()));
    EXPECT_EQ(window->Button("PanelDirection")->text(), ToQString("Deutsch-Französisch"_cp));
    EXPECT_EQ(window->HeadwordField()->text(), "Haus");
    TypeInto(window->HeadwordField(), QStringLiteral("e"));
    EXPECT_FALSE(window->Button("bPlay")->isVisible()) << "no recordings in the German-French half";
}

TEST_F(TXWbTest, AddingAndDeletingEntries) {
    std::unique_ptr<TXWb> window = Open();
    window->Button("xBearbeiten")->click();
    window->Button("dAdd")->click();
    EXPECT_EQ(dictionary.Count(), 4);
    EXPECT_EQ(dictionary.Vokabel(), "");
    // An incomplete entry is not left: the next add only reports it.
    window->Button("dAdd")->click();
    EXPECT_EQ(dictionary.Count(), 4);
    window->Button("tXColorButton5")->click();
    EXPECT_EQ(dictionary.Vokabel(), "") << "the entry buttons keep an incomplete entry too";

    messages.Answer(kIdNo);
    window->Button("dDelete")->click();
    EXPECT_EQ(dictionary.Count(), 4);
    messages.Answer(kIdYes);
    window->Button("dDelete")->click();
    EXPECT_EQ(dictionary.Count(), 3);
}

TEST_F(TXWbTest, ClosingOnlyHides) {
    std::unique_ptr<TXWb> window = Open();
    window->show();
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_TRUE(window->isVisible()) << "the same window comes back";
    EXPECT_EQ(window->height() - window->minimumHeight(), 0);
    EXPECT_EQ(window->minimumWidth(), TXWb::kWidth);
    EXPECT_EQ(window->maximumWidth(), TXWb::kMaxWidth);
}

} // namespace
} // namespace qor::test

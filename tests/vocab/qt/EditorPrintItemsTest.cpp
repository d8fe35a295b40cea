#include "app/qt/QtTestApplication.h"
#include "editor/qt/TVocEditor.h"
#include "platform/MessageCapture.h"
#include "settings/qt/TFrListe.h"
#include "vocab/TBibliothek.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/qt/PrintService.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qor {
namespace {

class RecordingPrintService : public PrintService {
public:
    void PrintList(TBibliothek& library, QWidget* parent) override {
        calls.push_back(Call("list", library, parent));
    }
    void PrintFlashCards(TBibliothek& library, QWidget* parent) override {
        calls.push_back(Call("cards", library, parent));
    }
    void SetUpPrinter(QWidget* parent) override {
        calls.push_back(std::string("setup") + (parent ? "" : "?"));
    }
    std::string Call(const char* what, TBibliothek& library, QWidget* parent) const {
        return std::string(what) + (&library == expected && parent ? "" : "?");
    }
    std::vector<std::string> calls;
    const TBibliothek* expected = nullptr;
};

class EditorPrintItems : public test::QtApplicationTest {
protected:
    std::unique_ptr<TVocEditor> Open(PrintService* service) {
        test::Fill(m_library, {test::Voc("maison", "Haus")});
        EditorWindowSetup setup;
        setup.library = &m_library;
        setup.printService = service;
        return std::make_unique<TVocEditor>(std::move(setup));
    }
    test::MessageCapture m_messages;
    TBibliothek m_library;
};

TEST_F(EditorPrintItems, MenuAndButtonReachTheService) {
    RecordingPrintService service;
    service.expected = &m_library;
    auto editor = Open(&service);
    for (const char* name : {"Drucken", "Karteikarten", "DruckerEinrichten"}) {
        ASSERT_TRUE(editor->Action(name)) << name;
        EXPECT_TRUE(editor->Action(name)->isEnabled()) << name;
        editor->Action(name)->trigger();
    }
    editor->ListFrame()->Button("bDrucken")->click();
    EXPECT_EQ(service.calls, (std::vector<std::string>{"list", "cards", "setup", "list"}));
}

TEST_F(EditorPrintItems, DisabledWithoutAService) {
    auto editor = Open(nullptr);
    for (const char* name : {"Drucken", "Karteikarten", "DruckerEinrichten"})
        EXPECT_FALSE(editor->Action(name)->isEnabled()) << name;
    EXPECT_FALSE(editor->ListFrame()->Button("bDrucken")->isEnabled());
}

} // namespace
} // namespace qor

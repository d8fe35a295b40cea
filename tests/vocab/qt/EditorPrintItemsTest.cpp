#include "app/qt/QtTestApplication.h"
#include "editor/qt/TVocEditor.h"
#include "platform/MessageCapture.h"
#include "settings/qt/TFrListe.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/qt/PrintService.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qor {
namespace {

// Logs each call, with "?" when the library or the parent window was not the editor's.
class LoggingPrintService : public PrintService {
public:
    void PrintList(TBibliothek& library, QWidget* parent) override { Log("list", &library, parent); }
    void PrintFlashCards(TBibliothek& library, QWidget* parent) override { Log("cards", &library, parent); }
    void SetUpPrinter(QWidget* parent) override { Log("setup", library, parent); }
    void Log(const char* what, const TBibliothek* used, QWidget* parent) {
        calls.push_back(std::string(what) + (used == library && parent ? "" : "?"));
    }
    const TBibliothek* library = nullptr;
    std::vector<std::string> calls;
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

TEST_F(EditorPrintItems, ReachTheServiceOrStayDisabled) {
    LoggingPrintService service;
    service.library = &m_library;
    auto editor = Open(&service);
    for (const char* name : {"Drucken", "Karteikarten", "DruckerEinrichten"})
        editor->Action(name)->trigger();
    editor->ListFrame()->Button("bDrucken")->click();
    EXPECT_EQ(service.calls, (std::vector<std::string>{"list", "cards", "setup", "list"}));

    auto without = Open(nullptr);
    for (const char* name : {"Drucken", "Karteikarten", "DruckerEinrichten"})
        EXPECT_FALSE(without->Action(name)->isEnabled()) << name;
    EXPECT_FALSE(without->ListFrame()->Button("bDrucken")->isEnabled());
}

} // namespace
} // namespace qor

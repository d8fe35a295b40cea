#include "app/qt/QtTestApplication.h"
#include "app/qt/TSuperWindow.h"
#include "platform/qt/ScreenSaverInhibitor.h"
#include "settings/MemoryRegistry.h"
#include "settings/SettingsTestSupport.h"
#include "settings/TSuperOptions.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <vector>

namespace qor {
namespace {

class RecordingMedia : public MediaCommandSender {
public:
    std::string Send(std::string_view command) override {
        commands.emplace_back(command);
        return {};
    }
    std::string ErrorText(int) override { return {}; }
    std::vector<std::string> commands;
};

// Lets the window's timer run until `done` or the time is up.
template <class Done> bool RunUntil(Done done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(5);
    }
    return done();
}

class SuperWindowTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        m_library.Clear(BlankLine::Drop);
        for (const auto& [word, meaning] :
             {std::pair{"le chat", "die Katze"}, std::pair{"le chien", "der Hund"},
              std::pair{"la souris", "die Maus"}}) {
            TVokabel entry;
            entry.Vokabel = word;
            entry.Bedeutung0 = meaning;
            m_library.Add(entry);
        }
        m_options = std::make_unique<TSuperOptions>(
            m_registry, SuperOptionsEnvironment{m_folder.Folder(), m_folder.Folder(), {}, nullptr});
        m_options->SetInteger(SuperInt::Modus, 1);
        m_options->SetInteger(SuperInt::TextDelay, 0);
        m_options->SetInteger(SuperInt::Faktor, 50);
        m_options->SetFlag(SuperFlag::Sprachausgabe, true);
    }

    QPointer<TSuperWindow> Open() {
        SuperWindowSetup setup;
        setup.library = &m_library;
        setup.settings = &m_settings;
        setup.options = m_options.get();
        setup.musicSender = &m_media;
        setup.playRecording = [this](const std::string& text) {
            m_spoken.push_back(text);
            return true;
        };
        setup.onClosed = [this] { ++m_closed; };
        setup.geometry = QRect(0, 0, 320, 240);
        auto* window = new TSuperWindow(std::move(setup));
        window->Start();
        return window;
    }

    static void Click(QWidget* window) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &press);
    }

    test::TempFolder m_folder;
    test::MemoryRegistry m_registry;
    TBibliothek m_library;
    TVocEinstellungen m_settings;
    std::unique_ptr<TSuperOptions> m_options;
    RecordingMedia m_media;
    std::vector<std::string> m_spoken;
    int m_closed = 0;
};

TEST_F(SuperWindowTest, RunsUntilAClickAndThenGoesAway) {
    QPointer<TSuperWindow> window = Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->cursor().shape(), Qt::BlankCursor);
    Click(window);
    EXPECT_FALSE(window->Presentation().StopRequested()) << "nothing has been shown yet";

    ASSERT_TRUE(RunUntil([&] { return window->Presentation().Step() >= 1; }, 3000));
    EXPECT_EQ(m_spoken.front(), "le chat");
    Click(window);
    EXPECT_TRUE(RunUntil([&] { return window.isNull(); }, 2000)) << "the window releases itself";
    EXPECT_EQ(m_closed, 1);
}

TEST(ScreenSaverInhibitorTest, WithoutADesktopServiceItStaysQuiet) {
    auto application = test::MakeTestApplication();
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/qor-test-bus");
    {
        ScreenSaverInhibitor inhibitor(QStringLiteral("test"));
        EXPECT_FALSE(inhibitor.Active());
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
}

} // namespace
} // namespace qor

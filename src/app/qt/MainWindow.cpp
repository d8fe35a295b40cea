#include "app/qt/MainWindow.h"

#include "app/MainWindowShow.h"
#include "app/PageCommand.h"
#include "app/ProgramObjects.h"
#include "app/ProgramStyles.h"
#include "app/SpecialCodes.h"
#include "app/qt/QtSettingsDialogs.h"
#include "page/qt/TXPage.h"
#include "platform/Cp1252.h"
#include "platform/Shell.h"
#include "platform/qt/QtText.h"
#include "vocab/TBibliothek.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <stdexcept>

namespace qor {

namespace {

// The objects behind the page commands, which the start-up sequence has created before any
// main window.
template <class Object> Object& Required(Object* object, const char* what) {
    if (!object)
        throw std::logic_error(std::string("MainWindow needs ") + what);
    return *object;
}

} // namespace

MainWindow::MainWindow(std::function<void()> endProgram, ProgramObjects& objects, Links links,
                       QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_endProgram(std::move(endProgram)), m_objects(objects) {
    objects.EnsureQueryObjects();
    TBibliothek& library = Required(objects.Library(), "the vocabulary library");
    m_settingsDialogs = std::make_unique<QtSettingsDialogs>(objects, this);
    m_userServices = std::make_unique<UserDatabaseServices>(objects.Users(), *m_settingsDialogs);
    m_optionsServices =
        std::make_unique<OptionsServices>([&objects]() -> TSuperOptions& { return objects.EnsureOptions(); });
    m_libraryServices = std::make_unique<LibraryServices>(library);
    m_queryServices = std::make_unique<QueryServices>(library);
    m_labServices = std::make_unique<LabServices>(Required(objects.Lab(), "the language lab"));
    m_verbServices = std::make_unique<VerbServices>(Required(objects.EnsureVerbs(), "the verb trainer"));
    m_dictionaryServices = std::make_unique<DictionaryServices>(
        Required(objects.Dictionary(), "the dictionary"), objects.MainPage(),
        [this](std::string_view name) { return m_page->Page().Macro(name); }, links.dictionaryWindow);
    setWindowTitle(ToQString("qor französisch"_cp));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // A screen exactly 800 pixels wide gets the system's default position; others are centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->geometry().width() != 800)
        move(screen->geometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));

    m_page = new TXPage(this);
    m_page->setGeometry(0, 0, kClientWidth, kClientHeight);
    m_page->SetOnEndApplication([this] { Beenden(); });

    m_styleScreen =
        std::make_unique<PageStyleScreen>(m_page->Page(), [] { QCoreApplication::processEvents(); });
    m_styleServices =
        std::make_unique<StyleServices>([this] { return ProgramStyleSetup(m_objects, *m_styleScreen); });

    CommandServices services;
    services.browser = this;
    services.programEnd = this;
    services.driveSearch = &m_driveSearch;
    services.users = m_userServices.get();
    services.dialogs = m_userServices.get();
    services.library = m_libraryServices.get();
    services.query = m_queryServices.get();
    services.lab = m_labServices.get();
    services.verbs = m_verbServices.get();
    services.dictionary = m_dictionaryServices.get();
    services.options = m_optionsServices.get();
    services.styles = m_styleServices.get();
    services.toolWindows = &links.toolWindows;
    services.saveFile = &links.saveFile;
    m_context.page = this;
    m_context.services = services;
    m_context.processMessages = [] { QCoreApplication::processEvents(); };

    PageControl& page = m_page->Page();
    page.OnSpecialCode = [this](std::string& code) { code = SpecialCode(m_context, code); };
    page.OnPictureRequest = [this](std::string_view code, TXBitmap& bitmap) {
        PictureCode(m_context, code, bitmap);
    };
    m_page->SetPresentationInput([this](int x, int y) { return PresentationClick(x, y); },
                                 [this](int key) { return PresentationKey(m_context, key); });
    SetUpMainPage(m_context);
    objects.MainPage().Attach(
        *this, [this] { return isVisible(); }, [] { QCoreApplication::processEvents(); });
}

MainWindow::~MainWindow() {
    m_objects.MainPage().Detach(*this);
}

bool MainWindow::Start(std::optional<Colour> visibleBackdropColour) {
    show();
    const ShowPlan plan = PlanShowing(m_context, visibleBackdropColour);
    switch (plan.action) {
    case ShowAction::Close:
        close();
        return false;
    case ShowAction::RunPendingCommand:
        m_page->Page().OnCommand = [this](const std::string& command) {
            if (!m_released)
                PageCommand(m_context, command);
        };
        if (plan.background)
            m_page->Page().SetColorBGR(*plan.background);
        // The command runs once the window has appeared.
        QTimer::singleShot(0, this, [this] { RunPendingCommand(m_context); });
        break;
    case ShowAction::LoadPage:
        m_page->Page().OnCommand = [this](const std::string& command) {
            if (!m_released)
                PageCommand(m_context, command);
        };
        m_page->Page().SetXPath(MainPageFolder(Settings()));
        m_page->Page().SetXFile(plan.page);
        break;
    }
    m_page->setFocus();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Beenden();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    // The page fills the window; what reaches the window itself is beside the page.
    if (event->button() == Qt::LeftButton)
        PresentationWindowClick(m_context);
    QWidget::mousePressEvent(event);
}

bool MainWindow::PresentationClick(int x, int y) {
    const MainWindowState& state = m_context.state ? *m_context.state : MainState();
    if (!state.AnyRunning())
        return false;
    if (SameTextInsensitive(m_page->Page().LinkTargetAt(x, y), "§stop"_cp)) {
        StopRunningStyle(m_context);
        return true;
    }
    return PresentationPageClick(m_context);
}

// [CommandPage]

std::string MainWindow::CurrentFile() const {
    return m_page->Page().XFile();
}

void MainWindow::LoadPage(std::string_view file) {
    m_page->Page().SetXFile(file);
}

void MainWindow::SetPageFolder(std::string_view folder) {
    m_page->Page().SetXPath(folder);
}

void MainWindow::Reload() {
    m_page->Page().Reload();
}

void MainWindow::ShowText(std::string_view markup) {
    m_page->Page().ShowText(markup);
}

void MainWindow::SetCondition(std::string_view name) {
    m_page->Page().SetBedingung(name);
}

void MainWindow::ClearCondition(std::string_view name) {
    m_page->Page().ClearBedingung(name);
}

bool MainWindow::TestCondition(std::string_view name) const {
    return m_page->Page().TestBedingung(name);
}

void MainWindow::SetMacro(std::string_view name, std::string_view value) {
    m_page->Page().SetMacro(name, value);
}

void MainWindow::SetBackgroundColour(Colour colour) {
    m_page->Page().SetColorBGR(colour);
}

void MainWindow::SetSpecialCharacters(std::string_view characters) {
    m_page->Page().SetSonderzeichen(characters);
}

void MainWindow::ShowNormalCursor() {
    m_page->unsetCursor();
}

void MainWindow::EnableMouseInput() {
    m_page->setEnabled(true);
}

bool MainWindow::Open(std::string_view url) {
    return OpenWebAddress(url);
}

void MainWindow::Beenden() {
    if (m_endProgram) {
        auto end = std::move(m_endProgram);
        m_endProgram = nullptr;
        end();
    }
}

} // namespace qor

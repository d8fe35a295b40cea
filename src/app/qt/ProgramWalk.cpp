#include "app/qt/ProgramWalk.h"

#include "app/DebugLog.h"
#include "app/MainWindowState.h"
#include "app/ScriptedFileChooser.h"
#include "app/ScriptedUserDialogs.h"
#include "page/controls/PageControl.h"
#include "page/controls/PageLinkNames.h"
#include "page/qt/TXPage.h"
#include "page/render/LinkSearch.h"
#include "platform/Cp1252.h"
#include "platform/MediaCommands.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"
#include "platform/qt/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace qor {

namespace {

namespace fs = std::filesystem;

// Counts the multimedia commands on their way to the real sender. It lives as long as the process,
// because players made during a walk keep the sender they were given.
class CountingSender : public MediaCommandSender {
public:
    std::string Send(std::string_view command) override {
        ++count;
        return inner ? inner->Send(command) : std::string();
    }
    std::string ErrorText(int errorNumber) override {
        return inner ? inner->ErrorText(errorNumber) : std::string();
    }

    MediaCommandSender* inner = nullptr;
    int count = 0;
};

CountingSender& WalkSender() {
    static CountingSender* sender = new CountingSender;
    return *sender;
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF local(at);
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void Settle(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (clock.elapsed() < milliseconds);
}

bool IsPageFile(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".htx" || extension == ".hqor" || extension == ".html" || extension == ".htm";
}

// The page files below `root` as the page control names them ("kurs\lektion01.htx"), sorted.
std::vector<std::string> PageFiles(const std::string& root) {
    std::vector<std::string> pages;
    const fs::path base = NativePath(root);
    for (const auto& entry : fs::recursive_directory_iterator(base)) {
        if (!entry.is_regular_file() || !IsPageFile(entry.path()))
            continue;
        std::string relative = fs::relative(entry.path(), base).generic_string();
        std::replace(relative.begin(), relative.end(), '/', '\\');
        pages.push_back(ProgramPath(fs::path(relative)));
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

std::size_t PictureHash(QWidget& window) {
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::size_t hash = 1469598103934665603ull;
    const auto* bytes = image.constBits();
    for (qsizetype i = 0; i < image.sizeInBytes(); i += 4)
        hash = (hash ^ bytes[i] ^ (bytes[i + 1] << 8) ^ (bytes[i + 2] << 16)) * 1099511628211ull;
    return hash;
}

std::string StateText(const MainWindowState& state) {
    return state.returnPage + "|" + state.pendingCommand + "|" + std::to_string(state.queryStyle) + "|" +
           state.vocabularyArea + "|" + std::to_string(state.queryDirection) + "|" + state.returnWindow +
           "|" + std::to_string(state.currentVerb) + "|" + std::to_string(state.AnyRunning());
}

// A menu item or button of a window, found again in a fresh window by its place and caption.
struct WindowItem {
    int index = 0;
    std::string caption;
};

std::string Caption(const QString& text) {
    QString plain = text;
    plain.remove('&');
    return FromQString(plain.trimmed());
}

// The items of `window` that a learner can trigger, in a fixed order: menu items, then buttons.
std::vector<std::pair<std::string, std::function<void()>>> Triggers(QWidget& window) {
    std::vector<std::pair<std::string, std::function<void()>>> triggers;
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu() || !action->isEnabled() || !action->isVisible() ||
            action->text().isEmpty())
            continue;
        triggers.emplace_back(Caption(action->text()), [action] { action->trigger(); });
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || !button->isEnabled())
            continue;
        std::string caption = Caption(button->text());
        if (caption.empty())
            caption = button->objectName().toStdString();
        if (caption.empty())
            caption = button->toolTip().isEmpty() ? std::string("?") : Caption(button->toolTip());
        triggers.emplace_back(caption, [button] { button->click(); });
    }
    return triggers;
}

// The items that end the program: the walk would end with them.
bool EndsProgram(const std::string& caption) {
    return caption == "Beenden" || caption == "END";
}

// A link to the page "END", or page commands with "end" among them.
bool LinkEndsProgram(std::string_view target) {
    if (target == "END")
        return true;
    if (target.empty() || target.front() != '\xA7')
        return false;
    std::string_view commands = target.substr(1);
    while (!commands.empty()) {
        const std::size_t comma = commands.find(',');
        if (commands.substr(0, comma) == "end")
            return true;
        commands = comma == std::string_view::npos ? std::string_view() : commands.substr(comma + 1);
    }
    return false;
}

} // namespace

struct ProgramWalk::Snapshot {
    std::string page;
    std::string title;
    std::map<QWidget*, std::size_t> windows; // the visible windows and their pictures
    std::string macros;
    std::string state;
    std::size_t messages = 0;
    std::size_t fileDialogs = 0;
    std::size_t userDialogs = 0;
    std::size_t webAddresses = 0;
    int mediaCommands = 0;
    int dialogsClosed = 0;
    std::string libraryFile; // size and time of the walked library's file: saving it is an effect
    std::string ticks;       // the ticks of the windows' checkable items and boxes
};

ProgramWalk::ProgramWalk(WalkEnvironment environment) : m_environment(std::move(environment)) {
    CountingSender& sender = WalkSender();
    if (&CurrentMediaCommandSender() != &sender) {
        sender.inner = &CurrentMediaCommandSender();
        SetMediaCommandSender(&sender);
    }
}

ProgramWalk::~ProgramWalk() {
    CountingSender& sender = WalkSender();
    if (&CurrentMediaCommandSender() == &sender)
        SetMediaCommandSender(sender.inner);
}

ProgramWalk::Snapshot ProgramWalk::Take() const {
    Snapshot snapshot;
    if (TXPage* page = m_environment.mainPage ? m_environment.mainPage() : nullptr) {
        PageControl& control = page->Page();
        std::string full = control.Source().FullPath();
        if (full.size() > m_environment.pageRoot.size() &&
            SameTextInsensitive(full.substr(0, m_environment.pageRoot.size()), m_environment.pageRoot))
            full = full.substr(m_environment.pageRoot.size());
        snapshot.page = LowerCp1252(full);
        snapshot.title = control.Document().title;
        const TXAliasList& macros = control.Document().macros;
        for (int i = 0; i < macros.Count(); ++i)
            snapshot.macros += macros.NameAt(i) + "=" + macros.ValueAt(i) + "\n";
        for (const std::string& name : control.Document().conditions.Names())
            snapshot.macros += "?" + name + "\n";
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || qobject_cast<QMenu*>(window))
            continue;
        snapshot.windows[window] = PictureHash(*window);
        // A tick in a closed menu shows only when the menu opens again.
        for (const QAction* action : window->findChildren<QAction*>())
            if (action->isCheckable())
                snapshot.ticks += action->isChecked() ? '1' : '0';
    }
    snapshot.state = StateText(MainState());
    snapshot.messages = m_environment.messages ? m_environment.messages->Messages().size() : 0;
    snapshot.fileDialogs = m_environment.files ? m_environment.files->Shown().size() : 0;
    snapshot.userDialogs = m_environment.userDialogs ? m_environment.userDialogs->Shown().size() : 0;
    snapshot.webAddresses = m_environment.webAddresses ? m_environment.webAddresses->size() : 0;
    snapshot.mediaCommands = WalkSender().count;
    snapshot.dialogsClosed = m_dialogsClosed;
    if (!m_library.empty()) {
        std::error_code error;
        const std::filesystem::path file = NativePath(m_library);
        const auto time = std::filesystem::last_write_time(file, error);
        if (!error)
            snapshot.libraryFile = std::to_string(std::filesystem::file_size(file, error)) + "@" +
                                   std::to_string(time.time_since_epoch().count());
    }
    return snapshot;
}

std::string ProgramWalk::Difference(const Snapshot& before, const Snapshot& after) const {
    std::vector<std::string> effects;
    if (after.page != before.page)
        effects.push_back("Seite " + after.page);
    if (after.dialogsClosed != before.dialogsClosed)
        effects.push_back("Dialog " + (m_closedTitles.empty() ? std::string() : m_closedTitles.back()));
    if (after.messages != before.messages)
        effects.push_back("Meldung");
    if (after.libraryFile != before.libraryFile)
        effects.push_back("Bibliothek gespeichert");
    if (after.ticks != before.ticks)
        effects.push_back("Haken");
    if (after.fileDialogs != before.fileDialogs)
        effects.push_back("Dateiauswahl");
    if (after.userDialogs != before.userDialogs)
        effects.push_back("Anmeldedialog");
    if (after.webAddresses != before.webAddresses)
        effects.push_back("Webseite");
    if (after.mediaCommands != before.mediaCommands)
        effects.push_back("Klang");
    bool windowsChanged = false;
    bool pictureChanged = false;
    for (const auto& [window, picture] : after.windows) {
        auto found = before.windows.find(window);
        if (found == before.windows.end())
            windowsChanged = true;
        else if (found->second != picture)
            pictureChanged = true;
    }
    for (const auto& entry : before.windows) {
        if (!after.windows.contains(entry.first))
            windowsChanged = true;
    }
    if (windowsChanged)
        effects.push_back("Fenster");
    if (pictureChanged && after.page == before.page)
        effects.push_back("Anzeige");
    if (after.macros != before.macros || after.state != before.state)
        effects.push_back("Zustand");
    std::string text;
    for (const std::string& effect : effects)
        text += (text.empty() ? "" : ", ") + effect;
    return text;
}

void ProgramWalk::RunGuarded(const std::function<void()>& action, int settleMs) {
    // The action may open a modal dialog or start a presentation that runs its own loop: a timer
    // closes the dialogs (counting them) and ends the presentations as the learner would, with a
    // click and Escape.
    QElapsedTimer clock;
    clock.start();
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [this, &clock] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++m_dialogsClosed;
            m_closedTitles.push_back(FromQString(modal->windowTitle()));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        if (clock.elapsed() < 600)
            return;
        QWidget* front = QApplication::activeWindow();
        if (!front && m_environment.shownWindow)
            front = m_environment.shownWindow();
        if (!front)
            return;
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : front;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
        if (TXPage* page = m_environment.mainPage ? m_environment.mainPage() : nullptr) {
            const QPoint middle(page->width() / 2, page->height() / 2);
            SendMouse(*page, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
            SendMouse(*page, QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
        }
    });
    guard.start(100);
    action();
    Settle(settleMs);
}

void ProgramWalk::ShowPage(const std::string& page) {
    m_environment.returnToMainWindow();
    TXPage* widget = m_environment.mainPage();
    if (!widget)
        return;
    PageControl& control = widget->Page();
    control.SetXPath(m_environment.pageRoot);
    // Loading a page shows it at once; what it starts later (BODY WAIT) is not the link's doing.
    RunGuarded([&] { control.SetXFile("main.htx"); }, kPageSettleMs);
    RunGuarded([&] { control.SetXFile(page); }, kPageSettleMs);
}

std::vector<WalkItem> ProgramWalk::WalkLinks() {
    std::vector<WalkItem> items;
    for (const std::string& page : PageFiles(m_environment.pageRoot)) {
        ShowPage(page);
        TXPage* widget = m_environment.mainPage();
        if (!widget)
            continue;
        std::vector<std::string> names;
        FindLinkWhere(widget->Page().Document(), widget->Page().Layout(), [&names](const FoundLink& link) {
            if (std::find(names.begin(), names.end(), link.name) == names.end())
                names.push_back(link.name);
            return false;
        });
        for (const std::string& name : names) {
            const std::string target = SplitLinkName(name).target;
            if (LinkEndsProgram(target))
                continue;
            ShowPage(page);
            widget = m_environment.mainPage();
            if (!widget)
                break;
            PageControl& control = widget->Page();
            const std::optional<FoundLink> link =
                FindLinkWhere(control.Document(), control.Layout(),
                              [&name](const FoundLink& found) { return found.name == name; });
            if (!link)
                continue;
            const int height = widget->height();
            if (link->rect.top < control.ScrollOffset() ||
                link->rect.bottom >= control.ScrollOffset() + height)
                control.ScrollTo(std::max(0, link->rect.top - height / 3));
            const QPoint at((link->rect.left + link->rect.right) / 2,
                            (link->rect.top + link->rect.bottom) / 2 - control.ScrollOffset());
            // The mouse rests on the link first: what hovering shows is not the click's doing.
            SendMouse(*widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
            Settle(50);
            DebugLog("walk " + page + ": " + name);
            const Snapshot before = Take();
            if (target.empty()) {
                // A hint or tooltip: hovering is all it does.
                Settle(PageControl::kTooltipDelayMs + 200);
            } else {
                RunGuarded([&] {
                    SendMouse(*widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
                    QCoreApplication::processEvents();
                    if (TXPage* still = m_environment.mainPage(); still == widget)
                        SendMouse(*widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
                });
            }
            items.push_back({Utf8FromCp1252(page), Utf8FromCp1252(name), Difference(before, Take())});
        }
    }
    m_environment.returnToMainWindow();
    return items;
}

std::vector<WalkItem> ProgramWalk::WalkWindow(std::string_view openCommand, const std::string& library) {
    std::vector<WalkItem> items;
    m_library = library;
    auto open = [&]() -> QWidget* {
        m_environment.returnToMainWindow();
        if (!library.empty() && m_environment.loadLibrary && !m_environment.loadLibrary(library))
            return nullptr;
        TXPage* page = m_environment.mainPage();
        if (!page)
            return nullptr;
        const std::string command(openCommand);
        RunGuarded([&] {
            if (page->Page().OnCommand)
                page->Page().OnCommand(command);
        });
        Settle(100);
        // The learner works in the window in front: its field with the focus takes what the
        // items type.
        QWidget* shown = m_environment.shownWindow();
        if (shown) {
            shown->activateWindow();
            QApplication::setActiveWindow(shown);
            Settle(50);
        }
        return shown;
    };
    QWidget* window = open();
    if (!window)
        return items;
    const std::string title = FromQString(window->windowTitle());
    std::vector<std::string> captions;
    for (const auto& trigger : Triggers(*window))
        captions.push_back(trigger.first);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (EndsProgram(captions[i]))
            continue;
        window = open();
        if (!window)
            break;
        // The same item in the fresh window: the one with the same caption, counted from the
        // first (recent files and the like may have come or gone in between).
        const auto occurrence =
            std::count(captions.begin(), captions.begin() + static_cast<std::ptrdiff_t>(i), captions[i]);
        auto triggers = Triggers(*window);
        auto trigger = triggers.begin();
        for (auto seen = occurrence; trigger != triggers.end(); ++trigger)
            if (trigger->first == captions[i] && seen-- == 0)
                break;
        if (trigger == triggers.end())
            continue; // the fresh window lacks it; the item is checked in its own state elsewhere
        const Snapshot before = Take();
        RunGuarded(trigger->second);
        items.push_back({Utf8FromCp1252(title), Utf8FromCp1252(captions[i]), Difference(before, Take())});
    }
    m_environment.returnToMainWindow();
    return items;
}

} // namespace qor

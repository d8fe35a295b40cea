#include "app/qt/QtScriptTarget.h"

#include "app/qt/ProgramWalk.h"
#include "page/controls/TPageEdit.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/qt/QtKeys.h"
#include "page/qt/TXPage.h"
#include "page/render/LinkSearch.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "settings/qt/TXListBox.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace qor {

namespace {

constexpr int kDragSteps = 12; // moves between press and release of a drag

Qt::MouseButton QtButton(MouseButton button) {
    switch (button) {
    case MouseButton::Right:
        return Qt::RightButton;
    case MouseButton::Middle:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

void SendMouse(QWidget& widget, QEvent::Type type, int x, int y, Qt::MouseButton button,
               Qt::MouseButtons held) {
    const QPointF local(x, y);
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

QtScriptTarget::QtScriptTarget(std::function<TXPage*()> currentPage, std::string pageRoot)
    : m_currentPage(std::move(currentPage)), m_pageRoot(std::move(pageRoot)) {}

QtScriptTarget::~QtScriptTarget() = default;

TXPage& QtScriptTarget::PageWidget() const {
    // A dialog that shows a page (the import assistant's help) is in front of the window's page.
    TXPage* page = nullptr;
    if (QWidget* dialog = QApplication::activeModalWidget())
        page = dialog->findChild<TXPage*>();
    if (!page && m_currentPage)
        page = m_currentPage();
    if (!page) {
        // A tool window stands in the main window's place: the steps meet an empty page.
        if (!m_noPage)
            m_noPage = std::make_unique<TXPage>();
        page = m_noPage.get();
    }
    if (page != m_watchedPage) {
        m_watchedPage = page;
        page->Page().OnFileChange = [this] { m_shownPages.push_back(CurrentPage()); };
    }
    return *page;
}

void QtScriptTarget::Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // deferred calls that the first round posted
}

bool QtScriptTarget::ClickLink(std::string_view text) {
    PageControl& page = PageWidget().Page();
    // "*.ogg" and "sprich:*" name a link by the end or the start of its target: links whose words
    // a script cannot know in advance (the recording of whatever word was asked).
    std::optional<FoundLink> link;
    if (text.size() > 1 && text.front() == '*')
        link = FindLinkWhere(page.Document(), page.Layout(),
                             [&](const FoundLink& found) { return found.target.ends_with(text.substr(1)); });
    else if (text.size() > 1 && text.back() == '*')
        link = FindLinkWhere(page.Document(), page.Layout(), [&](const FoundLink& found) {
            return found.target.starts_with(text.substr(0, text.size() - 1));
        });
    else
        link = FindLink(page.Document(), page.Layout(), text);
    if (!link)
        return false;
    // Bring the link into view first, as a learner would scroll to it.
    const int height = PageWidget().height();
    if (link->rect.top < page.ScrollOffset() || link->rect.bottom >= page.ScrollOffset() + height)
        page.ScrollTo(std::max(0, link->rect.top - height / 3));
    const int x = (link->rect.left + link->rect.right) / 2;
    const int y = (link->rect.top + link->rect.bottom) / 2 - page.ScrollOffset();
    Click(x, y, MouseButton::Left);
    return true;
}

void QtScriptTarget::Click(int x, int y, MouseButton button) {
    const Qt::MouseButton qtButton = QtButton(button);
    Move(x, y);
    SendMouse(PageWidget(), QEvent::MouseButtonPress, x, y, qtButton, qtButton);
    Settle();
    SendMouse(PageWidget(), QEvent::MouseButtonRelease, x, y, qtButton, Qt::NoButton);
    Settle();
}

void QtScriptTarget::Move(int x, int y) {
    SendMouse(PageWidget(), QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton);
    Settle();
}

void QtScriptTarget::Drag(int x1, int y1, int x2, int y2) {
    Move(x1, y1);
    SendMouse(PageWidget(), QEvent::MouseButtonPress, x1, y1, Qt::LeftButton, Qt::LeftButton);
    Settle();
    for (int step = 1; step <= kDragSteps; ++step) {
        const int x = x1 + (x2 - x1) * step / kDragSteps;
        const int y = y1 + (y2 - y1) * step / kDragSteps;
        SendMouse(PageWidget(), QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton);
        Settle();
    }
    SendMouse(PageWidget(), QEvent::MouseButtonRelease, x2, y2, Qt::LeftButton, Qt::NoButton);
    Settle();
}

void QtScriptTarget::SendKey(int qtKey, const QString& text) {
    // Keys go where the learner's would: the INPUT field when it has the focus, else the page.
    QWidget* target = &PageWidget();
    if (QLineEdit* input = PageWidget().TextInput(); input && input->hasFocus()) {
        target = input;
    } else if (QApplication::activeModalWidget() == nullptr && m_currentPage && m_currentPage() == nullptr) {
        // A tool window in the main window's place takes the keys in its focused field.
        if (const std::vector<QWidget*> windows = FrontWindows(); !windows.empty())
            target = windows.front()->focusWidget() ? windows.front()->focusWidget() : windows.front();
    }
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
    Settle();
}

void QtScriptTarget::Type(std::string_view text) {
    for (char c : text) {
        const QString character = ToQString(std::string_view(&c, 1));
        const int upper = static_cast<unsigned char>(UpperCp1252(std::string_view(&c, 1))[0]);
        const int qtKey = (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9') ? upper
                          : c == ' '                                                       ? Qt::Key_Space
                                                                                           : Qt::Key_unknown;
        SendKey(qtKey, character);
    }
}

void QtScriptTarget::Key(int virtualKey) {
    const int qtKey = QtKeyFromVirtualKey(virtualKey);
    QString text;
    if (virtualKey == 13)
        text = QStringLiteral("\r");
    else if (virtualKey == 8)
        text = QStringLiteral("\b");
    else if (virtualKey == 32)
        text = QStringLiteral(" ");
    else if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        text = QChar(virtualKey).toLower();
    SendKey(qtKey, text);
}

void QtScriptTarget::DragInDocument(int x1, int y1, int x2, int y2, int steps) {
    PageControl& page = PageWidget().Page();
    const int height = PageWidget().height();
    if (y1 < page.ScrollOffset() || y1 >= page.ScrollOffset() + height)
        page.ScrollTo(std::max(0, y1 - height / 3));
    const int scroll = page.ScrollOffset();
    Move(x1, y1 - scroll);
    SendMouse(PageWidget(), QEvent::MouseButtonPress, x1, y1 - scroll, Qt::LeftButton, Qt::LeftButton);
    Settle();
    for (int step = 1; step <= steps; ++step) {
        const int x = x1 + (x2 - x1) * step / steps;
        const int y = y1 + (y2 - y1) * step / steps - scroll;
        SendMouse(PageWidget(), QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton);
        Settle();
    }
    SendMouse(PageWidget(), QEvent::MouseButtonRelease, x2, y2 - scroll, Qt::LeftButton, Qt::NoButton);
    Settle();
}

bool QtScriptTarget::ClickGap(int number) {
    PageControl& page = PageWidget().Page();
    tTippAufgabenListe& gaps = page.Document().GapEdits();
    if (number < 1 || number > gaps.Count())
        return false;
    const TPageEdit& edit = gaps.Edit(number - 1);
    if (!edit.Visible())
        return false;
    const int x = edit.Left() + std::min(edit.Width() / 2, 8);
    const int y = edit.Top() + edit.Height() / 2;
    const int height = PageWidget().height();
    if (y < page.ScrollOffset() || y >= page.ScrollOffset() + height)
        page.ScrollTo(std::max(0, y - height / 3));
    Click(x, y - page.ScrollOffset(), MouseButton::Left);
    return true;
}

bool QtScriptTarget::DragBlock(std::string_view word) {
    const tDragAufgabenListe& task = PageWidget().Page().Document().dragTask;
    const auto& blocks = task.Blocks();
    const auto& targets = task.Targets();
    const auto block =
        std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) { return b.word == word; });
    const auto target =
        std::find_if(targets.begin(), targets.end(), [&](const auto& t) { return t.word == word; });
    if (block == blocks.end() || target == targets.end())
        return false;
    const std::size_t blocksBefore = blocks.size();
    // Grabbed a few pixels inside its corner, the block is let go with its corner on the gap's.
    constexpr int kGrab = 4;
    DragInDocument(block->rect.left + kGrab, block->rect.top + kGrab, target->rect.left + kGrab,
                   target->rect.top + kGrab, kDragSteps);
    Wait(50);
    return task.Blocks().size() < blocksBefore;
}

bool QtScriptTarget::BuildSentence(int number) {
    tSatzbauListe& sentences = PageWidget().Page().Document().sentences;
    if (number < 1 || number > sentences.SentenceCount())
        return false;
    const int index = number - 1;
    // Selection by swaps: each drag puts the right part onto the next position. A single move
    // lets the part snap onto that position and nowhere in between.
    constexpr int kGrab = 4;
    const int countBefore = sentences.SentenceCount();
    // A part's picture is numbered in the written order, so it tells where the part belongs.
    const int partCount = sentences.Sentence(index).PartCount();
    for (int position = 0; position < partCount; ++position) {
        if (sentences.SentenceCount() < countBefore)
            return true; // solved and closed up
        const tSatzteilListe& sentence = sentences.Sentence(index);
        if (sentence.Solved())
            break;
        int from = -1;
        for (int j = position; j < sentence.PartCount(); ++j) {
            if (sentence.PartAt(j).bitmap == position)
                from = j;
        }
        if (from < 0)
            return false;
        if (from == position)
            continue;
        const auto& source = sentence.PartAt(from).rect;
        const auto& slot = sentence.PartAt(position).rect;
        DragInDocument(source.left + kGrab, source.top + kGrab, slot.left + kGrab, slot.top + kGrab, 1);
    }
    Wait(50);
    return sentences.SentenceCount() < countBefore || sentences.Sentence(index).Solved();
}

bool QtScriptTarget::Choose(std::string_view text) {
    return ClickCell([&](const TXMultipleChoice& grid, int cell) { return grid.CellCaption(cell) == text; });
}

bool QtScriptTarget::ChooseRight() {
    return ClickCell([](const TXMultipleChoice& grid, int cell) { return cell == grid.RightAnswer(); });
}

bool QtScriptTarget::AnswerGap(int number) {
    tTippAufgabenListe& gaps = PageWidget().Page().Document().GapEdits();
    if (number < 1 || number > gaps.Count())
        return false;
    const TPageEdit& edit = gaps.Edit(number - 1);
    if (!edit.Visible() || edit.Lsg().empty())
        return false;
    const std::string answer = edit.Lsg().front();
    if (!ClickGap(number))
        return false;
    Type(answer);
    Key(13);
    return true;
}

bool QtScriptTarget::AnswerQuestion(Answer answer) {
    const bool right = answer == Answer::Right;
    PageControl& page = PageWidget().Page();
    tTippAufgabenListe& gaps = page.Document().GapEdits();
    for (int i = 0; i < gaps.Count(); ++i) {
        const TPageEdit& edit = gaps.Edit(i);
        if (!edit.Visible() || edit.Lsg().empty())
            continue;
        if (right)
            return AnswerGap(i + 1);
        // The gap gives up after its fifth wrong attempt, and its reaction usually leaves the page.
        const std::string question = CurrentPage();
        for (int attempt = 0; attempt < 5 && CurrentPage() == question; ++attempt) {
            if (!ClickGap(i + 1))
                break;
            Type("qqq");
            Key(13);
        }
        return true;
    }
    if (const TXMultipleChoice* grid = page.Document().MultipleChoice(); grid && grid->Visible()) {
        if (right)
            return ChooseRight();
        return ClickCell([](const TXMultipleChoice& cells, int cell) { return cell != cells.RightAnswer(); });
    }
    // Choice links: "§[…+]" reports the right answer, "§…[…]-" a wrong one.
    const std::optional<FoundLink> link =
        FindLinkWhere(page.Document(), page.Layout(), [right](const FoundLink& found) {
            const std::string& target = found.target;
            if (target.size() < 3 || target.front() != '\xA7')
                return false;
            return right ? target[1] == '[' && target.ends_with("+]") : target.ends_with("]-");
        });
    return link && ClickLink(link->name);
}

bool QtScriptTarget::ClickCell(const std::function<bool(const TXMultipleChoice&, int)>& wanted) {
    PageControl& page = PageWidget().Page();
    TXMultipleChoice* grid = page.Document().MultipleChoice();
    if (!grid || !grid->Visible())
        return false;
    // The cells are found by sampling the grid, so their arrangement does not matter here.
    for (int y = 2; y < grid->Height(); y += 4) {
        for (int x = 2; x < grid->Width(); x += 4) {
            const int cell = grid->CellAt(x, y);
            if (cell >= 0 && wanted(*grid, cell)) {
                const int clientY = grid->Top() + y - page.ScrollOffset();
                Click(grid->Left() + x + 4, clientY + 4, MouseButton::Left);
                return true;
            }
        }
    }
    return false;
}

void QtScriptTarget::Command(std::string_view text) {
    PageWidget().Page().FollowLink("\xA7" + std::string(text), PageWidget().Page().ClientRect());
    Settle();
}

std::vector<QWidget*> QtScriptTarget::FrontWindows() const {
    if (QWidget* dialog = QApplication::activeModalWidget())
        return {dialog};
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool))
            windows.push_back(window);
    }
    // The active window first, as the learner's keys reach it; a window that never takes the
    // focus (the backdrop) last.
    const auto rank = [](const QWidget* window) {
        return window == QApplication::activeWindow()                ? 0
               : window->testAttribute(Qt::WA_ShowWithoutActivating) ? 2
                                                                     : 1;
    };
    std::stable_sort(windows.begin(), windows.end(),
                     [&rank](const QWidget* a, const QWidget* b) { return rank(a) < rank(b); });
    return windows;
}

bool QtScriptTarget::Press(std::string_view text) {
    const QString wanted = ToQString(text);
    const auto caption = [](QString shown) {
        shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return shown;
    };
    for (QWidget* window : FrontWindows()) {
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->isEnabled() && action->isVisible() && caption(action->text()) == wanted) {
                action->trigger();
                Settle();
                return true;
            }
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->isEnabled() && button->isVisible() && caption(button->text()) == wanted) {
                button->click();
                Settle();
                return true;
            }
        }
    }
    return false;
}

QWidget* QtScriptTarget::NamedWidget(std::string_view name) const {
    const QString wanted = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    for (QWidget* window : FrontWindows()) {
        if (window->objectName() == wanted)
            return window;
        if (QWidget* found = window->findChild<QWidget*>(wanted))
            return found;
    }
    return nullptr;
}

namespace {

// The index of the line `item` in `lines`, or of the n-th for "#n"; -1 when there is none.
int ItemIndex(const std::vector<std::string>& lines, std::string_view item) {
    if (item.size() > 1 && item[0] == '#') {
        const int number = std::atoi(std::string(item.substr(1)).c_str());
        return number >= 1 && number <= static_cast<int>(lines.size()) ? number - 1 : -1;
    }
    const auto it = std::find(lines.begin(), lines.end(), item);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

} // namespace

bool QtScriptTarget::SelectItem(std::string_view name, std::string_view item) {
    QWidget* widget = NamedWidget(name);
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        std::vector<std::string> lines;
        for (int i = 0; i < box->count(); ++i)
            lines.push_back(FromQString(box->itemText(i)));
        const int index = ItemIndex(lines, item);
        if (index < 0 || !box->isEnabled())
            return false;
        // As the learner's choice: the box changes, then reports the activation.
        box->setCurrentIndex(index);
        emit box->activated(index);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        std::vector<std::string> lines;
        for (int i = 0; i < list->count(); ++i)
            lines.push_back(FromQString(list->item(i)->text()));
        const int index = ItemIndex(lines, item);
        if (index < 0 || !list->isEnabled())
            return false;
        list->setCurrentRow(index);
    } else if (auto* own = qobject_cast<TXListBox*>(widget)) {
        const int index = ItemIndex(own->Items(), item);
        if (index < 0 || !own->isEnabled())
            return false;
        own->SetSelected(index);
        emit own->OnChange(); // as after the learner's click
    } else {
        return false;
    }
    Settle();
    return true;
}

bool QtScriptTarget::SetChecked(std::string_view name, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(NamedWidget(name));
    if (!button || !button->isCheckable() || !button->isEnabled())
        return false;
    if (button->isChecked() != checked)
        button->click();
    Settle();
    return true;
}

bool QtScriptTarget::SetSliderValue(std::string_view name, int value) {
    auto* slider = qobject_cast<QAbstractSlider*>(NamedWidget(name));
    if (!slider || !slider->isEnabled() || value < slider->minimum() || value > slider->maximum())
        return false;
    slider->setValue(value);
    Settle();
    return true;
}

std::optional<std::string> QtScriptTarget::WidgetText(std::string_view name) const {
    QWidget* widget = NamedWidget(name);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return FromQString(label->text());
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return FromQString(field->text());
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return FromQString(text->toPlainText());
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return FromQString(box->currentText());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return FromQString(button->text());
    if (auto* own = qobject_cast<TXListBox*>(widget)) {
        const int selected = own->Selected();
        if (selected >= 0 && selected < static_cast<int>(own->Items().size()))
            return own->Items()[static_cast<std::size_t>(selected)];
        return std::string();
    }
    return std::nullopt;
}

void QtScriptTarget::Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(std::max(0, milliseconds), &loop, &QEventLoop::quit);
    loop.exec();
}

void QtScriptTarget::Later(int milliseconds, std::function<void()> action) {
    QTimer::singleShot(std::max(0, milliseconds), &PageWidget(), std::move(action));
}

std::optional<std::vector<WalkItem>> QtScriptTarget::WalkLinks() {
    if (!m_walk)
        return std::nullopt;
    return m_walk->WalkLinks();
}

std::optional<std::vector<WalkItem>> QtScriptTarget::WalkWindow(std::string_view command,
                                                                const std::string& library) {
    if (!m_walk)
        return std::nullopt;
    return m_walk->WalkWindow(command, library);
}

std::vector<std::string> QtScriptTarget::TakeShownPages() {
    return std::exchange(m_shownPages, {});
}

std::string QtScriptTarget::CurrentPage() const {
    const std::string& full = PageWidget().Page().Source().FullPath();
    if (full.size() > m_pageRoot.size() && SameTextInsensitive(full.substr(0, m_pageRoot.size()), m_pageRoot))
        return full.substr(m_pageRoot.size());
    return full;
}

std::string QtScriptTarget::PageTitle() const {
    return PageWidget().Page().Document().title;
}

std::optional<std::string> QtScriptTarget::Macro(std::string_view name) const {
    const TXAliasList& macros = PageWidget().Page().Document().macros;
    const int index = macros.Find(name);
    if (index < 0)
        return std::nullopt;
    return macros.ValueAt(index);
}

bool QtScriptTarget::Condition(std::string_view name) const {
    return PageWidget().Page().TestBedingung(name);
}

std::string QtScriptTarget::TakeFeedback() {
    std::string feedback = PageWidget().Page().LastFeedback();
    PageWidget().Page().ClearLastFeedback();
    return feedback;
}

std::optional<std::string> QtScriptTarget::FocusedText() const {
    if (QLineEdit* input = PageWidget().TextInput(); input && input->hasFocus())
        return FromQString(input->text());
    if (const auto* edit = dynamic_cast<const TPageEdit*>(PageWidget().FocusedChild()))
        return edit->Text();
    // A field of a tool window (the vocabulary editor in the main window's place).
    if (QApplication::activeModalWidget() == nullptr && m_currentPage && m_currentPage() == nullptr) {
        const std::vector<QWidget*> windows = FrontWindows();
        if (!windows.empty())
            if (const auto* field = qobject_cast<const QLineEdit*>(windows.front()->focusWidget()))
                return FromQString(field->text());
    }
    return std::nullopt;
}

bool QtScriptTarget::Screenshot(const std::string& path) {
    Settle();
    // The main window, or the dialog or tool window in front of it.
    QWidget* window = PageWidget().window();
    if (QApplication::activeModalWidget() == nullptr && (!m_currentPage || m_currentPage() == nullptr)) {
        const std::vector<QWidget*> windows = FrontWindows();
        if (!windows.empty())
            window = windows.front();
    }
    return window->grab().save(QString::fromStdString(path), "PNG");
}

} // namespace qor

#include "page/qt/TXPage.h"

#include "page/controls/PageAnchorLabel.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/controls/tXColorButton.h"
#include "page/qt/QtKeys.h"
#include "page/render/TXCanvas.h"
#include "platform/MediaCommands.h"
#include "platform/RegistryStore.h"
#include "platform/Shell.h"
#include "platform/qt/AccentKeyFilter.h"
#include "platform/qt/QtText.h"
#include "sound/tWaveRec.h"

#include <QApplication>
#include <QBitmap>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>

namespace qor {

namespace {

// The page's two cursors of its own: a pointing hand over links and a grabbing hand over blocks
// that can be dragged. Both are drawn once, white with a black outline.
QCursor MakeCursor(bool grabbing) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    QPainterPath hand;
    if (grabbing) {
        hand.addRoundedRect(QRectF(6.5, 10.5, 17, 14), 4, 4); // the closed fist
        for (int finger = 0; finger < 4; ++finger)
            hand.addRoundedRect(QRectF(7.5 + finger * 4, 7.5, 4, 6), 2, 2);
        painter.drawPath(hand.simplified());
        return QCursor(picture, 15, 15);
    }
    hand.addRoundedRect(QRectF(10.5, 1.5, 5, 16), 2.5, 2.5); // the pointing finger
    hand.addRoundedRect(QRectF(7.5, 12.5, 16, 13), 4, 4);    // the palm with the folded fingers
    painter.drawPath(hand.simplified());
    painter.drawLine(QPointF(15.5, 13), QPointF(15.5, 17));
    painter.drawLine(QPointF(19.5, 13), QPointF(19.5, 17));
    return QCursor(picture, 12, 1);
}

QImage ImageOf(const TXBitmap& bitmap) {
    if (bitmap.Empty())
        return {};
    return QImage(bitmap.Row(0), bitmap.Width(), bitmap.Height(), static_cast<qsizetype>(bitmap.Stride()),
                  QImage::Format_BGR888);
}

// Copies the rectangle `source` (right and bottom exclusive) of `from` to (x, y) of `to`, clipped.
void CopyPixels(TXBitmap& to, int x, int y, const TXBitmap& from, PageRect source) {
    source.left = std::max(source.left, 0);
    source.top = std::max(source.top, 0);
    source.right = std::min(source.right, from.Width());
    source.bottom = std::min(source.bottom, from.Height());
    if (x < 0) {
        source.left -= x;
        x = 0;
    }
    if (y < 0) {
        source.top -= y;
        y = 0;
    }
    const int width = std::min(source.right - source.left, to.Width() - x);
    const int height = std::min(source.bottom - source.top, to.Height() - y);
    if (width <= 0 || height <= 0)
        return;
    for (int row = 0; row < height; ++row)
        std::memcpy(to.Row(y + row) + static_cast<std::size_t>(x) * 3,
                    from.Row(source.top + row) + static_cast<std::size_t>(source.left) * 3,
                    static_cast<std::size_t>(width) * 3);
}

} // namespace

TXPage::TXPage(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus); // the page takes part in keyboard focus
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_clock.start();
    m_screen.Resize(std::max(1, width()), std::max(1, height()));
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_settingScrollBar && m_page)
            m_page->ScrollTo(value);
    });
    m_page = std::make_unique<PageControl>(static_cast<PageControlHost&>(*this));
    m_page->Resize(width(), height());
    m_page->Document().SetRecorderFactory([this] { return MakeRecorder(); });
}

std::unique_ptr<PageRecorder> TXPage::MakeRecorder() {
    auto recorder = std::make_unique<tWaveRec>(CurrentMediaCommandSender(), m_recorderTimer,
                                               Registry(RegistryHive::LocalMachine));
    // A change of state asks for a repaint, which draws the buttons onto the page's picture.
    recorder->SetSurface(&m_recorderScratch, [this](const PageRect&) { update(); });
    recorder->SetVisible(true);
    return recorder;
}

TXPage::~TXPage() {
    *m_alive = false;
    m_page.reset(); // its controls report their end to this host
    for (auto& [id, timer] : m_timers)
        delete timer;
}

QImage TXPage::Picture() const {
    TXBitmap picture = m_screen;
    PaintChildControls(picture);
    if (!m_label.Empty())
        CopyPixels(picture, m_labelX, m_labelY, m_label, PageRect{0, 0, m_label.Width(), m_label.Height()});
    return ImageOf(picture).copy();
}

QLineEdit* TXPage::TextInput() const {
    return m_textInput && m_textInput->isVisible() ? m_textInput : nullptr;
}

void TXPage::PaintChildControls(TXBitmap& picture) const {
    TXCanvas canvas(picture);
    canvas.SetOrigin(0, -m_page->ScrollOffset());
    PageDocument& document = const_cast<PageControl&>(*m_page).Document();
    auto paint = [&](TXControl& control) {
        if (control.Visible())
            control.Paint(canvas);
    };
    for (int i = 0; i < document.GapEdits().Count(); ++i)
        paint(document.GapEdits().Edit(i));
    for (int i = 0; i < document.Buttons().Count(); ++i)
        paint(document.Buttons().Button(i));
    if (TXMultipleChoice* grid = document.MultipleChoice())
        paint(*grid);
    if (auto* recorder = document.hasRecorder ? dynamic_cast<tWaveRec*>(document.Recorder()) : nullptr) {
        auto* self = const_cast<TXPage*>(this);
        recorder->SetSurface(&picture, nullptr);
        recorder->SetOrigin(0, m_page->ScrollOffset());
        recorder->Draw(tWaveRec::Redraw::BufferOnly);
        recorder->SetOrigin(0, 0);
        recorder->SetSurface(&self->m_recorderScratch, [self](const PageRect&) { self->update(); });
    }
}

// [Qt events]

bool TXPage::event(QEvent* event) {
    // Tab belongs to the page (it moves between gaps), not to Qt's focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

bool TXPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_textInput && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_page)
                m_page->TextInputReturn();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TXPage::paintEvent(QPaintEvent*) {
    TXBitmap picture = m_screen;
    PaintChildControls(picture);
    if (!m_label.Empty())
        CopyPixels(picture, m_labelX, m_labelY, m_label, PageRect{0, 0, m_label.Width(), m_label.Height()});
    QPainter painter(this);
    painter.drawImage(0, 0, ImageOf(picture));
}

MouseEvent TXPage::PageMouseEvent(const QMouseEvent& event) const {
    MouseEvent result;
    const QPoint at = event.position().toPoint();
    result.x = at.x();
    result.y = at.y();
    result.button = ButtonFromQt(event.button());
    result.shift = ShiftFromQt(event.modifiers(), event.buttons());
    return result;
}

void TXPage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_presentationClick) {
        const QPoint at = event->position().toPoint();
        if (m_presentationClick(at.x(), at.y()))
            return;
    }
    if (!m_label.Empty()) {
        const QPoint at = event->position().toPoint();
        if (QRect(m_labelX, m_labelY, m_label.Width(), m_label.Height()).contains(at)) {
            m_page->AnchorLabelClicked();
            return;
        }
    }
    m_page->MouseDown(PageMouseEvent(*event));
}

void TXPage::mouseReleaseEvent(QMouseEvent* event) {
    const MouseEvent page = PageMouseEvent(*event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_page->Click();
    m_page->MouseUp(page);
}

void TXPage::mouseMoveEvent(QMouseEvent* event) {
    m_page->MouseMove(PageMouseEvent(*event));
}

void TXPage::mouseDoubleClickEvent(QMouseEvent* event) {
    m_page->DoubleClick(PageMouseEvent(*event));
}

void TXPage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_page->FocusEntered();
}

void TXPage::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_page->FocusLeft();
}

void TXPage::leaveEvent(QEvent*) {
    m_page->MouseLeave();
}

void TXPage::keyPressEvent(QKeyEvent* event) {
    KeyEvent key;
    key.key = VirtualKeyFromQt(event->key());
    if (event->key() == Qt::Key_Backtab) {
        key.key = 9;
        key.shift |= kShiftKey;
    }
    key.shift |= ShiftFromQt(event->modifiers(), Qt::NoButton);
    if (key.key != 0 && m_presentationKey && m_presentationKey(key.key))
        return;
    if (key.key != 0)
        m_page->KeyDown(key);
    if (key.key == 0 && VirtualKeyFromQt(event->key()) != 0)
        return; // swallowed
    const std::string typed = FromQString(event->text());
    for (char c : typed) {
        if (static_cast<unsigned char>(c) >= 32 || c == '\b' || c == '\r') {
            char character = c;
            m_page->KeyPress(character);
        }
    }
}

void TXPage::wheelEvent(QWheelEvent* event) {
    m_page->Wheel(event->angleDelta().y());
}

void TXPage::resizeEvent(QResizeEvent*) {
    TXBitmap screen(std::max(1, width()), std::max(1, height()));
    CopyPixels(screen, 0, 0, m_screen, PageRect{0, 0, m_screen.Width(), m_screen.Height()});
    m_screen = std::move(screen);
    m_page->Resize(width(), height());
}

// [PageControlHost]

void TXPage::TakeFocus() {
    if (TXControl* old = m_focusedChild) {
        m_focusedChild = nullptr;
        old->FocusLost();
    }
    QWidget::setFocus();
}

void TXPage::SetParentColour(std::int32_t colour) {
    QWidget* window = parentWidget() ? parentWidget() : this;
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

bool TXPage::ParentVisible() const {
    return window()->isVisible();
}

void TXPage::PresentFrame(const TXBitmap& frame) {
    CopyPixels(m_screen, 0, 0, frame, PageRect{0, 0, frame.Width(), frame.Height()});
    repaint();
    QCoreApplication::processEvents();
}

void TXPage::HoldFrame(int milliseconds) {
    // Painted now, not when the event loop comes round: the animation runs inside one mouse event.
    repaint();
    QThread::msleep(static_cast<unsigned long>(std::max(0, milliseconds)));
}

void TXPage::SetCursor(PageCursor cursor) {
    static const QCursor hand = MakeCursor(false); // "HAND"
    static const QCursor drag = MakeCursor(true);  // "DRAG1"
    switch (cursor) {
    case PageCursor::Default:
        unsetCursor();
        break;
    case PageCursor::Hand:
        setCursor(hand);
        break;
    case PageCursor::Drag:
        setCursor(drag);
        break;
    case PageCursor::HourGlass:
        setCursor(Qt::WaitCursor);
        break;
    }
}

void TXPage::ShowTooltip(std::string_view text, ScreenPoint position, int maxWidth) {
    if (!m_tooltip) {
        m_tooltip = new QLabel(this, Qt::ToolTip);
        m_tooltip->setWordWrap(true);
        m_tooltip->setMargin(2);
        m_tooltip->setStyleSheet("QLabel { background: #ffffe1; color: black; border: 1px solid black; }");
    }
    m_tooltip->setMaximumWidth(maxWidth);
    m_tooltip->setText(ToQString(text));
    m_tooltip->adjustSize();
    m_tooltip->move(position.x, position.y);
    m_tooltip->show();
}

void TXPage::HideTooltip() {
    if (m_tooltip)
        m_tooltip->hide();
}

void TXPage::ShowAnchorLabel(const AnchorLabel& label) {
    const int width = label.rect.right - label.rect.left;
    const int height = label.rect.bottom - label.rect.top;
    if (width <= 0 || height <= 0) {
        HideAnchorLabel();
        return;
    }
    m_label.Resize(width, height);
    TXCanvas canvas(m_label);
    canvas.FillRect(TXRect{0, 0, width, height}, AnchorLabel::kBackground);
    canvas.Font().face = AnchorLabelFont();
    canvas.Font().colour = 0;
    int y = AnchorLabel::kPadding;
    for (const std::string& line : label.lines) {
        canvas.TextOut(AnchorLabel::kPadding, y, line);
        y += label.lineHeight;
    }
    for (int x = 0; x < width; ++x) {
        m_label.SetPixel(x, 0, AnchorLabel::kFrame);
        m_label.SetPixel(x, height - 1, AnchorLabel::kFrame);
    }
    for (int row = 0; row < height; ++row) {
        m_label.SetPixel(0, row, AnchorLabel::kFrame);
        m_label.SetPixel(width - 1, row, AnchorLabel::kFrame);
    }
    m_labelX = label.rect.left;
    m_labelY = label.rect.top;
    update();
}

void TXPage::HideAnchorLabel() {
    if (m_label.Empty())
        return;
    m_label = TXBitmap();
    update();
}

bool TXPage::ShowPopupMenu(ScreenPoint) {
    return false; // the trainer's pages have no popup menu
}

ScreenPoint TXPage::ClientToScreen(int x, int y) const {
    const QPoint global = mapToGlobal(QPoint(x, y));
    return ScreenPoint{global.x(), global.y()};
}

int TXPage::StartTimer(int ms, std::function<void()> call) {
    const int id = m_nextTimerId++;
    auto* timer = new QTimer(this);
    timer->setInterval(std::max(0, ms));
    connect(timer, &QTimer::timeout, this, [call = std::move(call)] { call(); });
    m_timers[id] = timer;
    timer->start();
    return id;
}

void TXPage::StopTimer(int id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    it->second->stop();
    it->second->deleteLater(); // the timer may be the one whose signal is running
    m_timers.erase(it);
    m_controlTimers.erase(id);
}

void TXPage::PostDeferred(std::function<void()> call) {
    QTimer::singleShot(0, this, [call = std::move(call)] { call(); });
}

void TXPage::ProcessMessages() {
    QCoreApplication::processEvents();
}

void TXPage::ShowTextInput(const PageTextInput* input, int scroll) {
    if (!input) {
        if (m_textInput)
            m_textInput->hide();
        return;
    }
    if (!m_textInput) {
        m_textInput = new QLineEdit(this);
        AccentKeyFilter::InstallOn(m_textInput);
        connect(m_textInput, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (m_page)
                m_page->TextInputChanged(FromQString(text));
        });
        // Enter is the field's own: a line edit passes it on to the page, whose RETURN target
        // would follow as well.
        m_textInput->installEventFilter(this);
    }
    const QSignalBlocker quiet(m_textInput); // the page sets the text it already knows
    m_textInput->setText(ToQString(input->text));
    m_textInput->setFrame(input->border);
    const QColor colour(RedOf(input->colour), GreenOf(input->colour), BlueOf(input->colour));
    m_textInput->setStyleSheet(QStringLiteral("QLineEdit { background: %1; }").arg(colour.name()));
    m_textInput->setGeometry(input->x, input->y - scroll, std::max(20, input->width),
                             std::max(16, input->height));
    m_textInput->show();
    m_textInput->setFocus();
}

bool TXPage::OpenUrl(std::string_view url) {
    return OpenWebAddress(url);
}

void TXPage::PlaySoundSync(std::string_view path) {
    MediaCommandSender& media = CurrentMediaCommandSender();
    const std::string opened = media.Send("open \"" + std::string(path) + "\" alias hinweis");
    if (!opened.starts_with("Error"))
        media.Send("play hinweis wait");
    media.Send("close hinweis");
}

void TXPage::EndApplication() {
    if (m_onEnd)
        m_onEnd();
}

// [ControlHost]

int TXPage::StartTimer(TXControl& control, int intervalMs) {
    const int id = m_nextTimerId; // the id the timer below is given
    StartTimer(intervalMs, [&control, id] { control.OnTimer(id); });
    m_controlTimers[id] = &control;
    return id;
}

void TXPage::RequestRepaint(TXControl&) {
    update();
}

int TXPage::ShowContextMenu(TXControl& control, const std::vector<std::string>& items, int x, int y) {
    QMenu menu(this);
    std::vector<QAction*> actions;
    for (const std::string& item : items)
        actions.push_back(menu.addAction(ToQString(item)));
    const QPoint at(control.Left() + x, control.Top() + y - m_page->ScrollOffset());
    QAction* chosen = menu.exec(mapToGlobal(at));
    const auto found = std::find(actions.begin(), actions.end(), chosen);
    return chosen && found != actions.end() ? static_cast<int>(found - actions.begin()) : -1;
}

void TXPage::SetFocus(TXControl& control) {
    if (m_focusedChild == &control)
        return;
    TXControl* old = m_focusedChild;
    m_focusedChild = &control;
    if (old)
        old->FocusLost();
    QWidget::setFocus();
    control.FocusGained();
}

void TXPage::ControlDestroyed(TXControl& control) {
    if (m_focusedChild == &control)
        m_focusedChild = nullptr;
    std::vector<int> ids;
    for (const auto& [id, owner] : m_controlTimers) {
        if (owner == &control)
            ids.push_back(id);
    }
    for (int id : ids)
        StopTimer(id);
}

// [PageScreen]

void TXPage::CopyToScreen(const TXBitmap& buffer, const PageRect& source, int x, int y) {
    CopyPixels(m_screen, x, y, buffer, source);
    update();
}

void TXPage::SetScrollBar(const ScrollBarState& state) {
    m_settingScrollBar = true;
    m_scrollBar->setRange(state.minimum, state.maximum);
    m_scrollBar->setSingleStep(state.smallStep);
    m_scrollBar->setPageStep(state.largeStep);
    m_scrollBar->setValue(state.position);
    m_scrollBar->setEnabled(state.enabled);
    m_scrollBar->setVisible(state.visible);
    m_settingScrollBar = false;
}

void TXPage::PlaceScrollBar(int x, int y, int width, int height) {
    m_scrollBar->setGeometry(x, y, width, height);
}

} // namespace qor

#include "settings/qt/TXListBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QWheelEvent>

namespace qor {

namespace {

QColor ColourOf(std::int32_t windowsColour) {
    return QColor(windowsColour & 0xFF, (windowsColour >> 8) & 0xFF, (windowsColour >> 16) & 0xFF);
}

} // namespace

TXListBox::TXListBox(QWidget* parent) : QWidget(parent), m_scrollBar(new QScrollBar(Qt::Vertical, this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_font.name = "Arial";
    m_font.height = 14;
    m_scrollBar->hide();
    m_scrollBar->setSingleStep(1);
    m_model.OnChange = [this] { emit OnChange(); };
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing)
            return;
        m_model.SetTopline(value);
        update();
    });
    resize(kListMinimumWidth * 4, kListItemHeight * 5);
}

void TXListBox::SetListenTyp(ListenTyp typ) {
    m_model.SetTyp(typ);
    update();
}

void TXListBox::SetItems(std::vector<std::string> items) {
    EnsureFitted();
    m_model.SetItems(std::move(items));
    Changed();
}

void TXListBox::Refresh() {
    m_model.Refresh();
    Changed();
}

void TXListBox::SetSelected(int index) {
    EnsureFitted();
    m_model.SetSelected(index);
    Changed();
}

void TXListBox::SetTopline(int topline) {
    m_model.SetTopline(topline);
    Changed();
}

void TXListBox::SetItemHeight(int itemHeight) {
    m_model.SetItemHeight(itemHeight);
    FitSize();
    Changed();
}

void TXListBox::SetColor(std::int32_t colour) {
    m_color = colour;
    update();
}

void TXListBox::SetFarbeAn(std::int32_t colour) {
    m_farbeAn = colour;
    update();
}

void TXListBox::SetFarbeAus(std::int32_t colour) {
    m_farbeAus = colour;
    update();
}

void TXListBox::SetHintergrund(QLabel* hintergrund) {
    m_hintergrund = hintergrund;
    update();
}

void TXListBox::SetImage(const QImage& image) {
    m_image = image;
    update();
}

void TXListBox::SetIcons(const QImage& icon1, const QImage& icon2) {
    m_icon1 = icon1;
    m_icon2 = icon2;
    update();
}

void TXListBox::SetLineFont(const FontSpec& font) {
    m_font = font;
    update();
}

void TXListBox::Changed() {
    EnsureFitted();
    SyncScrollBar();
    update();
}

void TXListBox::SyncScrollBar() {
    m_syncing = true;
    m_scrollBar->setGeometry(width() - kListScrollBarWidth, 0, kListScrollBarWidth, height());
    m_scrollBar->setRange(0, m_model.ScrollMaximum());
    m_scrollBar->setPageStep(std::max(1, m_model.VisibleLines()));
    m_scrollBar->setValue(m_model.Topline());
    m_scrollBar->setVisible(m_model.ScrollBarVisible());
    m_syncing = false;
}

void TXListBox::EnsureFitted() {
    // A hidden widget gets its resize event only when shown; the rules need the size now.
    ListSize size = m_model.Size();
    if (size.width != width() || size.height != height())
        FitSize();
}

void TXListBox::FitSize() {
    ListSize fitted = m_model.Fit(width(), height());
    if (fitted.width != width() || fitted.height != height())
        resize(fitted.width, fitted.height);
}

void TXListBox::PaintBackground(QImage& image) const {
    image.fill(ColourOf(m_color));
    QPainter painter(&image);
    if (m_hintergrund) {
        QPixmap picture = m_hintergrund->pixmap();
        if (!picture.isNull()) {
            // The part of the picture that lies behind the list.
            QPoint offset = m_hintergrund->mapFromGlobal(mapToGlobal(QPoint(0, 0)));
            painter.drawPixmap(-offset, picture);
            return;
        }
    }
    if (!m_image.isNull())
        painter.drawImage(0, 0, m_image);
}

QImage TXListBox::Render() {
    EnsureFitted();
    QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_BGR888);
    PaintBackground(image);
    int iconWidth = std::max(m_icon1.width(), m_icon2.width());
    const FontService& fonts = CurrentFontService();
    auto plan = m_model.PaintPlan(fonts, m_font, iconWidth, m_farbeAn, m_farbeAus);
    {
        QPainter painter(&image);
        for (const ListLinePaint& line : plan) {
            const QImage* icon = line.parts.icon == ListIcon::Icon1   ? &m_icon1
                                 : line.parts.icon == ListIcon::Icon2 ? &m_icon2
                                                                      : nullptr;
            if (icon && !icon->isNull())
                painter.drawImage(0, line.rowTop + (m_model.ItemHeight() - icon->height()) / 2, *icon);
        }
    }
    PixelSurface surface{image.bits(), image.width(), image.height(),
                         static_cast<std::size_t>(image.bytesPerLine())};
    for (const ListLinePaint& line : plan) {
        FontSpec font = m_font;
        font.bold = line.bold;
        ClipRect row{0, line.rowTop, image.width(), m_model.ItemHeight()};
        fonts.DrawText(surface, line.leftX, line.textTop, font, line.parts.left, line.colour, &row);
        if (!line.parts.right.empty())
            fonts.DrawText(surface, line.rightX, line.textTop, font, line.parts.right, line.colour, &row);
    }
    return image;
}

void TXListBox::paintEvent(QPaintEvent*) {
    QImage image = Render();
    QPainter painter(this);
    int visibleWidth = m_model.ScrollBarVisible() ? width() - kListScrollBarWidth : width();
    painter.drawImage(QPoint(0, 0), image, QRect(0, 0, visibleWidth, height()));
    painter.end();
    emit OnPaint();
}

void TXListBox::resizeEvent(QResizeEvent*) {
    FitSize();
    SyncScrollBar();
}

void TXListBox::mousePressEvent(QMouseEvent* event) {
    setFocus();
    EnsureFitted();
    m_model.MouseDown(static_cast<int>(event->position().y()));
    Changed();
}

void TXListBox::keyPressEvent(QKeyEvent* event) {
    EnsureFitted();
    if (event->key() == Qt::Key_Up)
        m_model.KeyUp();
    else if (event->key() == Qt::Key_Down)
        m_model.KeyDown();
    else
        return QWidget::keyPressEvent(event);
    Changed();
}

void TXListBox::wheelEvent(QWheelEvent* event) {
    EnsureFitted();
    m_model.Wheel(event->angleDelta().y());
    Changed();
}

} // namespace qor

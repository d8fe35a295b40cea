#include "app/qt/MainWindow.h"

#include "page/render/PageRenderRun.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace qor {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setWindowTitle(ToQString("qor französisch"_cp));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool MainWindow::ShowPage(const std::string& folder, const std::string& file) {
    PageRenderRun run;
    PageRenderRequest request;
    request.folder = folder;
    request.file = file;
    request.width = kClientWidth;
    request.height = kClientHeight;
    if (!run.Render(request))
        return false;
    TXBitmap visible = run.Visible(0, false);
    m_page = QImage(visible.Row(0), visible.Width(), visible.Height(),
                    static_cast<qsizetype>(visible.Stride()), QImage::Format_BGR888)
                 .copy();
    setWindowTitle(ToQString(run.Document().title));
    update();
    return true;
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_page.isNull()) {
        painter.drawImage(0, 0, m_page);
        return;
    }
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(24);
    painter.setFont(font);
    painter.drawText(
        rect(), Qt::AlignCenter,
        ToQString("qor französisch\n\nDie Seiten des Trainers folgen.\nEsc beendet das Programm."_cp));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // The borderless window has no close button; Escape ends the program until pages offer "Beenden".
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_onClose) {
        auto onClose = std::move(m_onClose);
        m_onClose = nullptr;
        onClose();
    }
    event->accept();
}

PlaceholderWindow::PlaceholderWindow(const QString& title, const QString& note, QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(note, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    resize(MainWindow::kClientWidth, MainWindow::kClientHeight);
}

} // namespace qor

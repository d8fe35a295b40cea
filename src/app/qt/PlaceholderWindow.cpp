#include "app/qt/PlaceholderWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace qor {

PlaceholderWindow::PlaceholderWindow(const QString& title, const QString& note, QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(note, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    resize(800, 572);
}

} // namespace qor

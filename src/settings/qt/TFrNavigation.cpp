#include "settings/qt/TFrNavigation.h"

#include "platform/qt/QtText.h"
#include "settings/FrameLayout.h"

#include <QPalette>
#include <QPushButton>

namespace qor {

TFrNavigation::TFrNavigation(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setFixedHeight(kFrNavigationHeight);
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = new QPushButton(ToQString(kFrNavigationCaptions[i]), this);
        m_buttons[i]->setObjectName(ToQString(kFrNavigationCaptions[i]).trimmed());
    }
    resize(800, kFrNavigationHeight);
}

void TFrNavigation::SetCaption(int index, std::string_view caption) {
    QPushButton* button = Button(index);
    button->setText(ToQString(caption));
    button->setObjectName(ToQString(caption).trimmed());
}

void TFrNavigation::resizeEvent(QResizeEvent*) {
    auto rects = LayoutFrNavigation(width());
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(rects[i].left, rects[i].top, rects[i].width, rects[i].height);
}

} // namespace qor

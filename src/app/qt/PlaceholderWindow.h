#pragma once
// A stand-in for windows that later work fills (the vocabulary editor in editor mode, the
// dictionary window): a plain window that says what it will be.

#include <QWidget>

namespace qor {

class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& title, const QString& note, QWidget* parent = nullptr);
};

} // namespace qor

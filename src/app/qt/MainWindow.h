#pragma once
// The trainer's main window: borderless, black, with a client area of 800 × 572 pixels that the
// page control fills. Until the page control takes mouse and keyboard, it shows the main page as
// the page engine renders it.

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

namespace qor {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 572;

    explicit MainWindow(QWidget* parent = nullptr);
    // Renders `file` from the page folder `folder` (program paths); false when it could not be shown.
    bool ShowPage(const std::string& folder, const std::string& file);
    // Called once when the learner closes the window; the program then ends.
    void SetOnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> m_onClose;
    QImage m_page; // the visible part of the rendered page; null while none is shown
};

// A stand-in for windows that later work fills (the vocabulary editor in editor mode, the
// dictionary window): a plain window that says what it will be.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& title, const QString& note, QWidget* parent = nullptr);
};

} // namespace qor

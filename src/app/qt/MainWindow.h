#pragma once
// The trainer's main window: borderless, black, with a client area of 800 × 572 pixels that the
// page control fills. Until the page control is built it shows the main page's title only.

#include <QWidget>
#include <functional>

namespace qor {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 572;

    explicit MainWindow(QWidget* parent = nullptr);
    // Called once when the learner closes the window; the program then ends.
    void SetOnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> m_onClose;
};

// A stand-in for windows that later work fills (the vocabulary editor in editor mode, the
// dictionary window): a plain window that says what it will be.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& title, const QString& note, QWidget* parent = nullptr);
};

} // namespace qor

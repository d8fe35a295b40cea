#pragma once
// The editor's black navigation bar at the bottom with its seven buttons.

#include <QFrame>
#include <array>
#include <string_view>

class QPushButton;

namespace qor {

class TFrNavigation : public QFrame {
    Q_OBJECT
public:
    explicit TFrNavigation(QWidget* parent = nullptr);

    // Left to right: "home", "einstellungen", "klassisch", "abgedreht ", "techno", "super dd ",
    // "abfragen".
    QPushButton* Button(int index) const { return m_buttons[static_cast<std::size_t>(index)]; }
    // Another window's bar names a button after its own way out (the settings window's second
    // button leads to the editor); the button's object name follows its caption.
    void SetCaption(int index, std::string_view caption);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QPushButton*, 7> m_buttons{};
};

} // namespace qor

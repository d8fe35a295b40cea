#pragma once
// The plain-coloured window behind the trainer that hides the rest of the desktop on screens
// larger than the trainer. It never comes to the front: a click on it brings back the active
// window. Its context menu minimises the program or picks one of four colours.

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;

namespace qor {

class TBackdrop : public QWidget {
    Q_OBJECT
public:
    // White, light grey, dark grey and black as Windows colour values, in menu order.
    static constexpr std::array<std::int32_t, 4> kColours = {16777215, 12632256, 8421504, 0};

    explicit TBackdrop(std::int32_t colour);
    ~TBackdrop() override;

    std::int32_t Colour() const { return m_colour; }
    // Paints the window; the menu's tick follows only with ShowColor.
    void SetColour(std::int32_t colour);
    // Ticks the colour entry that matches the current colour, and no other.
    void ShowColor();
    // Covers the screen at (0, 0) and goes behind every other window.
    void ShowBehind();

    // Called with the colour the learner chose in the menu.
    std::function<void(std::int32_t colour)> onColourChanged;

    QMenu* ContextMenu() const { return m_menu; }
    QAction* ColourAction(int index) const { return m_colourActions[static_cast<std::size_t>(index)]; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenu();
    void ChooseColour(int index);
    void BringActiveWindowForward();

    std::int32_t m_colour = 0;
    QMenu* m_menu = nullptr;
    std::array<QAction*, 4> m_colourActions{};
};

} // namespace qor

#pragma once
// The vocabulary editor's list frame: the library buttons at the top, the list, the file-name
// label and the button panel NP at the bottom. The editor handles the buttons' clicks.

#include <QFrame>
#include <string_view>

class QLabel;
class QPushButton;

namespace qor {

class TXListBox;

class TFrListe : public QFrame {
    Q_OBJECT
public:
    explicit TFrListe(QWidget* parent = nullptr);

    // By component name: "bNeu", "bLaden", ..., "bRec", "bPlay", "SaveWAV", "bLeft", "bRight".
    QPushButton* Button(std::string_view name) const;
    QWidget* Panel() const { return m_panel; }
    TXListBox* Liste() const { return m_list; }
    QLabel* FileLabel() const { return m_fileLabel; }
    QLabel* Position1() const { return m_position1; }
    QLabel* Position2() const { return m_position2; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_panel;
    TXListBox* m_list;
    QLabel* m_fileLabel;
    QLabel* m_position1;
    QLabel* m_position2;
};

} // namespace qor

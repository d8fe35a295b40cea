#pragma once
// "Einstellungen für den Verbtrainer": the learner marks the verbs in a list and ticks the tenses,
// then starts a series or goes back. The window takes the main window's place, borderless as that
// one is; the program decides what comes after it.

#include "vocab/verbs/VerbSelectionMarks.h"

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qor {

class TVerben;
class TXListBox;

// How the learner left the window: "Abfrage" with a valid choice, "Abbrechen", or closing it.
enum class VerbExit { Query, Cancel, Closed };

struct VerbSelectionSetup {
    TVerben* verbs = nullptr;
    // Called once, when the learner leaves; the window is then released by the caller.
    std::function<void(VerbExit)> onExit;
    // The tense boxes' captions by tense; empty: the trainer's tense names. A box without a
    // caption is hidden.
    std::vector<std::string> tenseCaptions;
};

class TVerbAuswahl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 572;

    explicit TVerbAuswahl(VerbSelectionSetup setup, QWidget* parent = nullptr);

    TXListBox* Liste() const { return m_list; }
    QLabel* Counter() const { return m_counter; }
    QCheckBox* TenseCheckBox(int tense) const { return m_tenseBoxes[static_cast<std::size_t>(tense)]; }

    // The buttons.
    void AlleAn();
    void AlleAus();
    void Abfrage();
    void Abbrechen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildList();
    void BuildTenses();
    void BuildButtons();
    void UpdateCounter();
    void MarkAllLines(bool on);
    TenseBoxes ShownBoxes() const;
    void Exit(VerbExit exit);

    VerbSelectionSetup m_setup;
    TXListBox* m_list = nullptr;
    QLabel* m_counter = nullptr;
    std::vector<int> m_lineVerbs;
    std::array<QCheckBox*, kTenseCount> m_tenseBoxes{};
    bool m_exited = false;
};

} // namespace qor

#pragma once
// "Karteikarten drucken": the theme printed on the fronts, all sheets or a range, and how far the
// backs are shifted to meet their fronts. Widgets carry object names for scripts: "eThema",
// "rbAlle", "rbSeiten", "cbVon", "cbBis", "tbVerschieben", "lVerschieben", "bOK", "bAbbrechen".

#include "vocab/print/FlashCards.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace qor {

class TKarteikartenDialog : public QDialog {
    Q_OBJECT
public:
    TKarteikartenDialog(const FlashCardChoice& preset, int sheetCount, QWidget* parent = nullptr);

    FlashCardChoice Choice() const;
    QSlider* OffsetSlider() const { return m_offset; }
    QLabel* OffsetCaption() const { return m_offsetCaption; }
    QComboBox* FirstSheet() const { return m_first; }
    QComboBox* LastSheet() const { return m_last; }
    QRadioButton* AllSheets() const { return m_all; }
    QRadioButton* SomeSheets() const { return m_some; }

private:
    QLineEdit* m_thema;
    QRadioButton* m_all;
    QRadioButton* m_some;
    QComboBox* m_first;
    QComboBox* m_last;
    QSlider* m_offset;
    QLabel* m_offsetCaption;
};

} // namespace qor

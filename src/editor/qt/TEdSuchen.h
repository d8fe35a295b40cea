#pragma once
// "In Bibliothek suchen": the text to look for in the library and whether case counts.

#include "editor/SearchRequest.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace qor {

class TEdSuchen : public QDialog {
    Q_OBJECT
public:
    explicit TEdSuchen(const SearchRequest& preset, QWidget* parent = nullptr);

    SearchRequest Request() const;
    QLineEdit* TextField() const { return m_text; }
    QCheckBox* CaseBox() const { return m_case; }

private:
    QLineEdit* m_text;
    QCheckBox* m_case;
};

} // namespace qor

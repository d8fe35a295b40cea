#pragma once
// "Import-Assistent": the help page "_import.htx" beside the two editable lists of separators and
// line layouts. The texts come back as typed; ImportSeparator turns the first into the separator.

#include "editor/ImportSettings.h"

#include <QDialog>
#include <string_view>

class QComboBox;

namespace qor {

class TXPage;

class TImport : public QDialog {
    Q_OBJECT
public:
    // `pageFolder` holds "_import.htx"; `preset` (separator and layout texts) replaces the first
    // items' texts when not empty.
    TImport(std::string_view pageFolder, const ImportSettings& preset, QWidget* parent = nullptr);

    // The separator and layout texts; the folder is left empty.
    ImportSettings Choice() const;
    QComboBox* SeparatorBox() const { return m_separator; }
    QComboBox* LayoutBox() const { return m_layout; }
    TXPage* HelpPage() const { return m_page; }

private:
    TXPage* m_page;
    QComboBox* m_separator;
    QComboBox* m_layout;
};

} // namespace qor

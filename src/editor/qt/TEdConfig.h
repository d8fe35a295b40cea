#pragma once
// "Eigenschaften von Editor": the editor's colours, font, size and bold flag, and the named schemes.
// The rules live in EdConfigLogic; this dialog fills its fields from the scheme and passes each
// change on. Closing it with OK or Abbrechen ends in EdConfigLogic::Ok or ::Cancel.

#include "editor/EdConfigLogic.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace qor {

class TEdConfig : public QDialog {
    Q_OBJECT
public:
    // Asks for the name to save under (proposed: the scheme's name); nothing when cancelled.
    using NameQuestion = std::function<std::optional<std::string>(const std::string& proposed)>;

    // `logic` must be opened by the dialog's owner; `askName` null means TSchemaDlg on screen.
    TEdConfig(EdConfigLogic& logic, const EditorScheme& scheme, std::vector<std::string> fonts,
              NameQuestion askName = nullptr, QWidget* parent = nullptr);

    QLineEdit* ColourField(int index) const { return m_fields.at(index); }
    QFrame* Swatch(int index) const { return m_swatches.at(index); }
    QComboBox* FontList() const { return m_font; }
    QComboBox* SizeBox() const { return m_size; }
    QPushButton* BoldButton() const { return m_bold; }
    QComboBox* SchemeList() const { return m_schemes; }
    QPushButton* SaveAsButton() const { return m_saveAs; }

    void accept() override;
    void reject() override;

private:
    void ShowState();
    void ShowSwatch(int index);
    void ColourEdited(int index, ColourEntry entry);
    void ClearSchemeSelection();
    void SaveAs();

    EdConfigLogic& m_logic;
    const EditorScheme& m_scheme;
    NameQuestion m_askName;
    std::array<QLineEdit*, kSchemeColourCount> m_fields{};
    std::array<QFrame*, kSchemeColourCount> m_swatches{};
    QComboBox* m_font;
    QComboBox* m_size;
    QPushButton* m_bold;
    QComboBox* m_schemes;
    QPushButton* m_saveAs;
    // While the fields are filled from the scheme, their change handlers stay quiet.
    bool m_filling = false;
};

} // namespace qor

#pragma once
// The open-file and save-file dialogs on screen.

#include "settings/FileChooser.h"

#include <QString>

class QWidget;

namespace qor {

// "Wav-Dateien (*.wav)|*.WAV" → "Wav-Dateien (*.wav) (*.WAV)": the program's "text|patterns" pairs
// as Qt's name filters.
QString QtNameFilters(const std::string& filter);

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    std::optional<std::string> ChooseFile(const FileChoiceRequest& request) override;

private:
    QWidget* m_parent;
};

// A save dialog with the overwrite prompt.
class QtSaveFileChooser : public FileChooser {
public:
    explicit QtSaveFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    std::optional<std::string> ChooseFile(const FileChoiceRequest& request) override;

private:
    QWidget* m_parent;
};

} // namespace qor

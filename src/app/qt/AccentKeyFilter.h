#pragma once
// The F1 accent key for the tool windows' edit fields: F1 turns the character before the caret
// into its next accented form ("a" → "á" → "à" …).

#include <QObject>

class QWidget;

namespace qor {

class AccentKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs the filter on a QLineEdit, QTextEdit or QPlainTextEdit (others are left alone).
    static void InstallOn(QWidget* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qor

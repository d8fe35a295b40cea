#pragma once
// The F1 accent key for the text fields of every window: F1 turns the character before the caret
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
    // For every text field of every window and dialog of the application.
    static void InstallForApplication();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qor

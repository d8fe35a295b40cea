#include "platform/qt/AccentKeyFilter.h"

#include "platform/AccentKey.h"
#include "platform/qt/QtText.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace qor {

namespace {

// Replaces the character before the cursor of a text document; true when it changed.
bool ApplyToCursor(QTextCursor cursor) {
    if (cursor.position() == 0)
        return false;
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    std::string before = FromQString(cursor.selectedText());
    if (before.size() != 1)
        return false;
    auto next = NextAccentVariant(before[0]);
    if (!next)
        return false;
    cursor.insertText(ToQString(std::string(1, *next)));
    return true;
}

} // namespace

void AccentKeyFilter::InstallOn(QWidget* edit) {
    if (qobject_cast<QLineEdit*>(edit) || qobject_cast<QTextEdit*>(edit) ||
        qobject_cast<QPlainTextEdit*>(edit))
        edit->installEventFilter(new AccentKeyFilter(edit));
}

void AccentKeyFilter::InstallForApplication() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(new AccentKeyFilter(application));
}

bool AccentKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    if (auto* line = qobject_cast<QLineEdit*>(watched)) {
        if (line->isReadOnly())
            return true;
        std::string text = FromQString(line->text());
        int caret = line->cursorPosition();
        if (ApplyAccentKey(text, caret)) {
            // Replaced as typing would, so that the field reports an edit and its owner takes it.
            line->setSelection(caret - 1, 1);
            line->insert(ToQString(text.substr(static_cast<std::size_t>(caret - 1), 1)));
            line->setCursorPosition(caret);
        }
        return true;
    }
    if (auto* edit = qobject_cast<QTextEdit*>(watched)) {
        ApplyToCursor(edit->textCursor());
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(watched)) {
        ApplyToCursor(plain->textCursor());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qor

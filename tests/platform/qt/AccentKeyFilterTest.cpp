#include "platform/qt/AccentKeyFilter.h"

#include "app/qt/QtTestApplication.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

class AccentKeyFilterTest : public test::QtApplicationTest {
protected:
    static void PressF1(QWidget* widget) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
};

TEST_F(AccentKeyFilterTest, LineEditCyclesTheCharacterBeforeTheCaret) {
    QLineEdit edit;
    AccentKeyFilter::InstallOn(&edit);
    edit.setText(QStringLiteral("cafe"));
    edit.setCursorPosition(4);
    const char* expected[] = {"café", "cafè", "cafê", "cafë", "cafe"};
    for (const char* text : expected) {
        PressF1(&edit);
        EXPECT_EQ(edit.text(), QString::fromUtf8(text));
        EXPECT_EQ(edit.cursorPosition(), 4);
    }
}

TEST_F(AccentKeyFilterTest, OneFilterServesEveryFieldOfTheApplicationAndReportsAnEdit) {
    AccentKeyFilter::InstallForApplication();
    QLineEdit line;
    QPlainTextEdit block;
    int edits = 0;
    QObject::connect(&line, &QLineEdit::textEdited, [&edits] { ++edits; });
    line.setText(QStringLiteral("ou"));
    block.setPlainText(QStringLiteral("ca"));
    block.moveCursor(QTextCursor::End);
    PressF1(&line);
    PressF1(&block);
    EXPECT_EQ(line.text(), QString::fromUtf8("oú"));
    EXPECT_EQ(edits, 1) << "the field's owner hears of the change as of typing";
    EXPECT_EQ(block.toPlainText(), QString::fromUtf8("cá"));
    line.setReadOnly(true);
    PressF1(&line);
    EXPECT_EQ(line.text(), QString::fromUtf8("oú")) << "a read-only field stays as it is";
}

TEST_F(AccentKeyFilterTest, NothingChangesWithoutACharacterOrAnAccentGroup) {
    QLineEdit edit;
    AccentKeyFilter::InstallOn(&edit);
    edit.setText(QStringLiteral("xa"));
    edit.setCursorPosition(0); // no character before the caret
    PressF1(&edit);
    EXPECT_EQ(edit.text(), QStringLiteral("xa"));
    edit.setCursorPosition(1); // "x" has no accented forms
    PressF1(&edit);
    EXPECT_EQ(edit.text(), QStringLiteral("xa"));
    EXPECT_EQ(edit.cursorPosition(), 1);
    edit.setCursorPosition(2); // the caret in the middle of the text works too
    edit.setText(QStringLiteral("ab"));
    edit.setCursorPosition(1);
    PressF1(&edit);
    EXPECT_EQ(edit.text(), QString::fromUtf8("áb"));
    EXPECT_EQ(edit.cursorPosition(), 1);
}

TEST_F(AccentKeyFilterTest, MultiLineEditsCycleToo) {
    QPlainTextEdit edit;
    AccentKeyFilter::InstallOn(&edit);
    edit.setPlainText(QStringLiteral("oeuvre ?"));
    QTextCursor cursor = edit.textCursor();
    cursor.movePosition(QTextCursor::End);
    edit.setTextCursor(cursor);
    PressF1(&edit);
    EXPECT_EQ(edit.toPlainText(), QString::fromUtf8("oeuvre ¿"));
    cursor.setPosition(1);
    edit.setTextCursor(cursor);
    PressF1(&edit);
    EXPECT_EQ(edit.toPlainText(), QString::fromUtf8("óeuvre ¿"));
}

} // namespace
} // namespace qor

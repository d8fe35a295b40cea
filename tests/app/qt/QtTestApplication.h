#pragma once
// The one QApplication of a Qt test program, made by the first test suite that needs it.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace qor::test {

inline std::unique_ptr<QApplication> MakeTestApplication() {
    static int argc = 1;
    static char name[] = "app_qt_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return nullptr;
    return std::make_unique<QApplication>(argc, argv);
}

// A test suite of widgets or dialogs: the application exists while its tests run.
class QtApplicationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_application = MakeTestApplication(); }
    static void TearDownTestSuite() { s_application.reset(); }

private:
    static inline std::unique_ptr<QApplication> s_application;
};

// Typing as the learner does, key by key, so the fields see edits and not programmatic changes.
inline void TypeInto(QWidget* widget, const QString& text) {
    for (QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace qor::test

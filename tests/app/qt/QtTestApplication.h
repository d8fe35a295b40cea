#pragma once
// The one QApplication of a Qt test program, made by the first test suite that needs it.

#include <QApplication>
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

} // namespace qor::test

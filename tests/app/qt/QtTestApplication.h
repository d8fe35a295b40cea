#pragma once
// The one QApplication of a Qt test program, made by the first test suite that needs it.

#include <QApplication>
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

} // namespace qor::test

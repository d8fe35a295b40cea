// The page control on the screen: what the Qt widget does with the keys of the page's INPUT field.

#include "page/qt/TXPage.h"

#include "app/qt/QtTestApplication.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

class TXPageTest : public test::QtApplicationTest {};

TEST_F(TXPageTest, EnterInTheTextInputRaisesItsNameOnly) {
    TXPage page;
    page.resize(800, 572);
    page.show();
    std::vector<std::string> commands;
    page.Page().OnCommand = [&](const std::string& command) { commands.push_back(command); };
    page.Page().ShowText("<A HREF=\"\xA7weiter\" RETURN>weiter</A>"
                         "<INPUT COORDS=\"10,40,200\" NAME=\"antwort\" VALUE=\"\">");
    QLineEdit* input = page.TextInput();
    ASSERT_NE(input, nullptr);
    test::TypeInto(input, QStringLiteral("chat"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        commands.clear();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(input, &press);
        QApplication::processEvents(); // the name is raised after the key event
        EXPECT_EQ(commands, std::vector<std::string>{"antwort"})
            << "the page's RETURN target is not followed";
        EXPECT_EQ(page.Page().Macro("antwort"), "chat");
    }
}

} // namespace
} // namespace qor

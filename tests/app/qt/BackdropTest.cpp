#include "app/qt/QtTestApplication.h"
#include "app/qt/TBackdrop.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QMenu>

namespace qor {
namespace {

class BackdropTest : public test::QtApplicationTest {};

TEST_F(BackdropTest, TheMenuPicksTicksAndReportsTheColour) {
    TBackdrop backdrop(12632256);
    std::vector<std::int32_t> reported;
    backdrop.onColourChanged = [&](std::int32_t colour) { reported.push_back(colour); };
    EXPECT_TRUE(backdrop.ColourAction(1)->isChecked());

    QStringList visible;
    for (QAction* action : backdrop.ContextMenu()->actions())
        if (action->isVisible() && !action->isSeparator())
            visible << action->text();
    EXPECT_EQ(visible.join(QLatin1Char('|')),
              QString::fromUtf8("Minimieren|Weiß|Hellgrau|Dunkelgrau|Schwarz"));

    struct Case {
        int entry;
        std::int32_t colour;
    };
    for (const Case& c : {Case{2, 8421504}, Case{3, 0}, Case{0, 16777215}}) {
        backdrop.ColourAction(c.entry)->trigger();
        EXPECT_EQ(backdrop.Colour(), c.colour);
        EXPECT_EQ(reported.back(), c.colour);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(backdrop.ColourAction(i)->isChecked(), i == c.entry) << c.entry << " " << i;
    }

    backdrop.SetColour(0);
    backdrop.ShowColor();
    EXPECT_TRUE(backdrop.ColourAction(3)->isChecked());
    EXPECT_EQ(reported.size(), 3u) << "only the learner's choices are reported";
    EXPECT_EQ(backdrop.palette().color(QPalette::Window), QColor(Qt::black));
}

} // namespace
} // namespace qor

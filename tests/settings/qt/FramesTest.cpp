// The editor frames place their parts by the frame geometry when resized.

#include "app/qt/QtTestApplication.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "settings/FrameLayout.h"
#include "settings/qt/TFrListe.h"
#include "settings/qt/TFrNavigation.h"
#include "settings/qt/TXListBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

class FramesTest : public test::QtApplicationTest {
protected:
    static QRect ToQRect(const FrameRect& r) { return QRect(r.left, r.top, r.width, r.height); }
};

TEST_F(FramesTest, TFrListePlacesItsPartsOnResize) {
    for (QSize size : {QSize(800, 572), QSize(1024, 768), QSize(640, 450)}) {
        SCOPED_TRACE(size.width());
        TFrListe frame;
        frame.resize(size);
        frame.show(); // the offscreen platform delivers the resize
        QApplication::processEvents();
        FrListeLayout layout = LayoutFrListe(size.width(), size.height());
        EXPECT_EQ(frame.Panel()->geometry(), ToQRect(layout.panel));
        EXPECT_EQ(frame.Liste()->geometry(), ToQRect(layout.list));
        EXPECT_EQ(frame.Liste()->ItemHeight(), layout.itemHeight);
        EXPECT_EQ(frame.FileLabel()->geometry(), ToQRect(layout.fileLabel));
        for (const FramePart& part : layout.topButtons)
            EXPECT_EQ(frame.Button(part.name)->geometry(), ToQRect(part.rect)) << part.name;
        for (const FramePart& part : layout.panelButtons) {
            QWidget* widget = frame.Panel()->findChild<QWidget*>(ToQString(part.name));
            ASSERT_NE(widget, nullptr) << part.name;
            EXPECT_EQ(widget->geometry(), ToQRect(part.rect)) << part.name;
        }
    }
}

TEST_F(FramesTest, TFrListeHintsAndDisabledRecorderButtons) {
    TFrListe frame;
    EXPECT_FALSE(frame.Button("bPlay")->isEnabled());
    EXPECT_FALSE(frame.Button("SaveWAV")->isEnabled());
    EXPECT_TRUE(frame.Button("bRec")->isEnabled());
    EXPECT_EQ(FromQString(frame.Button("bTakeOver")->toolTip()), "Vokabel aus dem Wörterbuch übernehmen"_cp);
    EXPECT_EQ(FromQString(frame.Button("bKill")->toolTip()), "Aktuelle Vokabel löschen"_cp);
    EXPECT_EQ(FromQString(frame.Position2()->toolTip()), "Größe der Bibliothek"_cp);
}

TEST_F(FramesTest, TFrNavigationSpreadsItsButtons) {
    for (int width : {800, 1024, 700}) {
        SCOPED_TRACE(width);
        TFrNavigation bar;
        bar.resize(width, 38);
        bar.show();
        QApplication::processEvents();
        EXPECT_EQ(bar.height(), 38);
        auto rects = LayoutFrNavigation(width);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(bar.Button(i)->geometry(), ToQRect(rects[static_cast<std::size_t>(i)])) << i;
            EXPECT_EQ(FromQString(bar.Button(i)->text()), kFrNavigationCaptions[static_cast<std::size_t>(i)]);
        }
    }
}

} // namespace
} // namespace qor

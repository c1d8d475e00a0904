#include "app/FMain.h"
#include "tests/support/Seams.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QScrollBar>
#include <QTableView>

#include <string>

namespace tw {
namespace {

// How the built-in skin draws: faults here are ones a user sees at once,
// so each case looks at the pixels or the shown bars, not at the style sheet.
class BuiltInSkinTest : public test::SeamTest {
protected:
    static int DarkPixels(const QImage& image, const QRect& area, int below = 150) {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < below)
                    ++dark;
        return dark;
    }
    static void FillRows(TfrmMain& w, int count) {
        for (int i = 1; i <= count; ++i)
            w.Items.AddKeywordRow(i, "keyword " + std::to_string(i), "");
    }
};

TEST_F(BuiltInSkinTest, AtTheDesignSizeTheColumnsFitBesideTheVerticalBar) {
    TfrmMain w;
    FillRows(w, 40);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.bsSkinScrollBar1->isVisible());
    EXPECT_FALSE(w.bsSkinScrollBar2->isVisible()) << "a list that fits needs no horizontal bar";

    w.resize(600, 455);
    QApplication::processEvents();
    EXPECT_TRUE(w.bsSkinScrollBar2->isVisible()) << "a narrower window cuts the last column";
}

TEST_F(BuiltInSkinTest, AnUntickedBoxShowsItsSquare) {
    TfrmMain main; // applies the built-in skin to every window
    QWidget host;
    host.resize(120, 20);
    QCheckBox box(QStringLiteral("Broad"), &host);
    box.setGeometry(0, 0, 120, 20);
    host.show();
    QApplication::processEvents();
    // Grabbed from its window: the box itself paints no background.
    const QRect square(0, 0, 18, 20);
    const QImage unticked = host.grab(square).toImage();
    EXPECT_GT(DarkPixels(unticked, square), 20) << "the square is drawn in the background's own colour";

    box.setChecked(true);
    EXPECT_NE(host.grab(square).toImage(), unticked) << "ticked and unticked look alike";
}

TEST_F(BuiltInSkinTest, TheScrollBarHandleLeavesTheArrowsVisible) {
    TfrmMain w;
    FillRows(w, 200);
    w.resize(400, 455);
    w.show();
    QApplication::processEvents();
    for (QScrollBar* bar : {w.bsSkinScrollBar1, w.bsSkinScrollBar2}) {
        SCOPED_TRACE(bar->objectName().toStdString());
        ASSERT_TRUE(bar->isVisible());
        bar->setValue(bar->minimum());
        const QImage image = bar->grab().toImage();
        const QRect first(0, 0, 19, 19);
        const QRect last = bar->orientation() == Qt::Vertical ? QRect(0, image.height() - 19, 19, 19)
                                                              : QRect(image.width() - 19, 0, 19, 19);
        // Darker than any bevel or handle: only an arrow is drawn that dark.
        EXPECT_GT(DarkPixels(image, first, 110), 5) << "the up or left arrow is covered";
        EXPECT_GT(DarkPixels(image, last, 110), 5) << "the down or right arrow is covered";
    }
}

} // namespace
} // namespace tw

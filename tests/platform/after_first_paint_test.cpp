// Work deferred until the window has painted: not before, and only once.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QWidget>

#include "platform/after_first_paint.h"
#include "tests/support/modal_answerer.h"

namespace {

class CountingWidget : public QWidget {
public:
    int paints = 0;
    int paintsWhenJobRan = -1;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::darkGray);
        ++paints;
    }
};

TEST(AfterFirstPaint, RunsOnceAfterTheFirstPaintNotBeforeAndNotOnceItsOwnerHasGone) {
    vortan::testing::testApp();
    CountingWidget widget;
    widget.resize(200, 100);
    int runs = 0;
    vortan::AfterFirstPaint later(&widget, [&] {
        ++runs;
        widget.paintsWhenJobRan = widget.paints;
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "the widget was never shown";

    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    for (int i = 0; i < 50 && runs == 0; ++i) QTest::qWait(10);
    EXPECT_EQ(runs, 1);
    EXPECT_GE(widget.paintsWhenJobRan, 1);
    EXPECT_TRUE(later.done());

    widget.repaint();
    widget.hide();
    widget.show();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);

    // Painted, the job queued, then everything goes away: it never runs.
    {
        CountingWidget gone;
        vortan::AfterFirstPaint never(&gone, [&] { ++runs; });
        gone.show();
        gone.repaint();
    }
    QTest::qWait(30);
    EXPECT_EQ(runs, 1);
}

}  // namespace

#include "app/scaling.h"

#include <QtTest>

Q_DECLARE_METATYPE(QMargins)

class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void baseScale_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<double>("dpiRatio");
        QTest::addColumn<double>("expected");

        QTest::newRow("96 dpi: 13 px") << 13 << 1.0 << 1.0;
        QTest::newRow("120 dpi (125 %): 17 px") << 17 << 1.0 << 1.25;
        QTest::newRow("beyond 300 % stays 3") << 80 << 1.0 << 3.0;
        QTest::newRow("16 px is still 100 %") << 16 << 1.0 << 1.0;
        QTest::newRow("ratio other than 1 cancels out") << 20 << 0.75 << 1.5;
        QTest::newRow("screen without physical size") << 13 << qInf() << 1.0;
        QTest::newRow("screen with zero ratio") << 20 << 0.0 << 1.5;
    }

    void baseScale()
    {
        QFETCH(int, pixelSize);
        QFETCH(double, dpiRatio);
        QFETCH(double, expected);
        QCOMPARE(ui::baseScale(pixelSize, dpiRatio), expected);
    }

    void optionScale_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("pointSize");

        QTest::newRow("Auto on a 150 % screen") << "Auto" << 1.5 << 1.0 << 10;
        QTest::newRow("125 % at 96 dpi") << "125%" << 1.0 << 1.25 << 12;
        QTest::newRow("100 % on a 150 % screen") << "100%" << 1.5 << 2.0 / 3.0 << 6;
        QTest::newRow("300 % at 96 dpi") << "300%" << 1.0 << 3.0 << 30;
    }

    void optionScale()
    {
        QFETCH(QString, option);
        QFETCH(double, base);
        QFETCH(double, expected);
        QFETCH(int, pointSize);
        const double scale = ui::optionScale(option, base);
        QVERIFY2(qAbs(scale - expected) < 1e-6, qPrintable(QString::number(scale)));
        QCOMPARE(ui::referencePointSize(scale), pointSize);
    }

    void fitScaleIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<int>("expected");

        const QMargins noFrame;
        const QMargins frame(8, 31, 8, 8);
        QTest::newRow("300 % drops to 150 % on full HD") << 6 << QSize(1920, 1040) << frame << 3;
        // 200 % is 27 px: it needs trunc(27 / 13 * 1018) x trunc(27 / 13 * 560) = 2114 x 1163.
        QTest::newRow("200 % fits exactly") << 4 << QSize(2114, 1163) << noFrame << 4;
        QTest::newRow("one pixel short drops a step") << 4 << QSize(2113, 1163) << noFrame << 3;
        QTest::newRow("the frame counts") << 4 << QSize(2114, 1163) << QMargins(1, 0, 0, 0) << 3;
        QTest::newRow("height alone can lower it") << 2 << QSize(4000, 600) << noFrame << 1;
        QTest::newRow("nothing fits: 100 %") << 5 << QSize(800, 600) << noFrame << 1;
        QTest::newRow("Auto that does not fit: 100 %") << 0 << QSize(800, 600) << noFrame << 1;
    }

    void fitScaleIndex()
    {
        QFETCH(int, index);
        QFETCH(QSize, available);
        QFETCH(QMargins, frame);
        QFETCH(int, expected);
        // ppp of each option at 96 dpi: 13, 13, 16, 20, 27, 33 and 40 px over 13.
        const QVector<int> pixels{13, 13, 16, 20, 27, 33, 40};
        const auto pppAt = [&](int i) { return pixels.at(i) / 13.0; };
        QCOMPARE(ui::fitScaleIndex(index, available, frame, pppAt), expected);
    }

    void clampToDesktop_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("expected");

        QTest::newRow("inside stays") << QRect(100, 100, 1018, 600) << QRect(100, 100, 1018, 600);
        QTest::newRow("past the right edge")
            << QRect(1500, 100, 1018, 600) << QRect(1920 - 1018 - 16, 100, 1018, 600);
        QTest::newRow("left of the desktop")
            << QRect(-400, 100, 1018, 600) << QRect(8, 100, 1018, 600);
        QTest::newRow("larger") << QRect(0, 0, 3000, 2000) << QRect(8, 31, 1920 - 16, 1040 - 39);
    }

    void clampToDesktop()
    {
        QFETCH(QRect, rect);
        QFETCH(QRect, expected);
        // A full HD desktop above its task bar, and a window frame.
        QCOMPARE(ui::clampToDesktop(rect, QRect(0, 0, 1920, 1040), QMargins(8, 31, 8, 8)),
                 expected);
    }

    void screenIndexAt_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("expected");

        QTest::newRow("on the second") << QPoint(2000, 10) << 1;
        QTest::newRow("on the shared edge: the last wins") << QPoint(1919, 500) << 1;
        QTest::newRow("bottom-right corner included") << QPoint(3839, 1079) << 1;
        QTest::newRow("off every screen") << QPoint(-10, -10) << -1;
    }

    void screenIndexAt()
    {
        QFETCH(QPoint, point);
        QFETCH(int, expected);
        // Two screens that overlap by one column, as some desktops report them.
        const QVector<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1919, 0, 1921, 1080)};
        QCOMPARE(ui::screenIndexAt(point, screens), expected);
    }
};

QTEST_APPLESS_MAIN(TestScaling)
#include "tst_scaling.moc"

// The program's presence outside its window: the autostart entry as the desktop reads it, the
// tray's picture of the Moon, and the reminder choices the dialog makes.
#include "app/autostart.h"
#include "app/companion.h"
#include "app/moonicon.h"
#include "common/testhome.h"

#include <QProcess>
#include <QtTest>

namespace {

// The mean brightness of a vertical band of the picture, 0 to 255.
double brightness(const QImage &image, int from, int to)
{
    double sum = 0;
    int count = 0;
    for (int x = from; x < to; ++x) {
        for (int y = image.height() / 3; y < 2 * image.height() / 3; ++y, ++count)
            sum += qGray(image.pixel(x, y));
    }
    return sum / count;
}

} // namespace

class TestCompanion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startWithCleanHome(); }

    void autostart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("installed") << "/usr/bin/vendarion";
        QTest::newRow("blanks, quotes, a dollar, a percent, a backslash")
            << "/home/a b/\"x\" $HOME 100% back\\slash/vendarion";
    }
    // Written so that the desktop's own checker accepts it and its command is the program with
    // --tray; a desktop that hides the entry has switched it off.
    void autostart()
    {
        QFETCH(QString, program);
        QVERIFY(ui::setAutostart(true, program));
        QVERIFY(ui::autostartEnabled());
        QProcess validate;
        validate.start("desktop-file-validate", {ui::autostartFile()});
        QVERIFY(validate.waitForFinished());
        QVERIFY2(validate.exitCode() == 0, validate.readAll().constData());

        QFile file(ui::autostartFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QString exec = text.section("\nExec=", 1).section('\n', 0, 0);
        // The string's escapes first, then the quoted argument's, as the desktop reads them.
        exec.replace("\\\\", "\\").replace("%%", "%");
        QVERIFY(exec.endsWith("\" --tray"));
        exec = exec.mid(1, exec.size() - QString("\" --tray").size() - 1);
        exec.replace(QRegularExpression("\\\\([\"`$\\\\])"), "\\1");
        QCOMPARE(exec, program);

        file.close();
        QVERIFY(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        QVERIFY(!ui::autostartEnabled());
        QVERIFY(ui::setAutostart(false, program));
        QVERIFY(!QFile::exists(ui::autostartFile()));
        QVERIFY(ui::autostartEntry("/tmp/line\nbreak").isEmpty());
    }

    // Lit from the right while waxing as seen from the north, upside down from the south.
    void moonIcon_data()
    {
        QTest::addColumn<double>("phase");
        QTest::addColumn<bool>("south");
        QTest::addColumn<int>("lit"); // -1 the left side, 1 the right, 0 both alike
        QTest::newRow("waxing crescent, north") << 0.15 << false << 1;
        QTest::newRow("waxing crescent, south") << 0.15 << true << -1;
        QTest::newRow("waning gibbous, north") << 0.65 << false << -1;
        QTest::newRow("full") << 0.5 << true << 0;
        QTest::newRow("new, a lunation on") << 1.0 << false << 0;
    }
    void moonIcon()
    {
        QFETCH(double, phase);
        QFETCH(bool, south);
        QFETCH(int, lit);
        const QImage image = ui::moonIcon(phase, south, 64);
        // Bands near the limbs, where a crescent is lit.
        const double left = brightness(image, 4, 14), right = brightness(image, 50, 60);
        const QByteArray seen = QByteArray::number(left) + " " + QByteArray::number(right);
        if (lit == 0)
            QVERIFY2(qAbs(left - right) < 10, seen);
        else
            QVERIFY2((right - left) * lit > 80, seen);
    }

    // A part can be dropped down to the last; all of them is stored as none, which means all.
    void picks()
    {
        Companion companion;
        companion.setReminderOn("ingress", true);
        companion.setReminderPick("ingress", "leo", false);
        QCOMPARE(reminders::Choice::load().picked("ingress").size(), 11);
        companion.setReminderPick("ingress", "leo", true);
        QVERIFY(reminders::Choice::load().picked("ingress").isEmpty());
        companion.setReminderPick("void", "begin", false);
        QCOMPARE(reminders::Choice::load().picked("void"), QStringList{"begin"});
        companion.setReminderPick("void", "end", true);
        QVERIFY(reminders::Choice::load().picked("void").isEmpty());
        const QVariantMap ingress = companion.reminderKinds().at(1).toMap();
        QCOMPARE(ingress.value("name"), "ingress");
        QVERIFY(ingress.value("on").toBool());
        QCOMPARE(reminders::Choice::load().kinds, int(ical::Ingress));
    }
};

QTEST_MAIN(TestCompanion)
#include "tst_companion.moc"

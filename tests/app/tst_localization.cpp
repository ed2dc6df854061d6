#include "app/localization.h"

#include <QtTest>

class TestLocalization : public QObject
{
    Q_OBJECT

private slots:
    void dateFieldRoundTrip_data();
    void dateFieldRoundTrip();
};

void TestLocalization::dateFieldRoundTrip_data()
{
    // The locale, the field's text, the same moment as a user may type it, a found day.
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("a bare system: the US look it always had")
        << QStringList{"C", "12 / 06 / 2026 18:07", "12/6/2026 18:07", "2026, Dec, 6"};
    QTest::newRow("German") << QStringList{"de_DE", "06.12.2026 18:07", " 6 . 12.2026  18:07 ",
                                           "6. Dez. 2026"};
    QTest::newRow("Spanish: no 'de' with the short month")
        << QStringList{"es_ES", "06 / 12 / 2026 18:07", "6/12/2026 18:07", "6 dic 2026"};
}

// In the system's locale, the moon panel's field reads back what it shows, and what a user types
// in that locale's order, as the same moment.
void TestLocalization::dateFieldRoundTrip()
{
    QFETCH(QStringList, texts);
    const QLocale l = ui::interfaceLocale(QString(), QLocale(texts[0]));
    const ui::DateFormats formats = ui::dateFormats(l);
    const QDateTime moment(QDate(2026, 12, 6), QTime(18, 7));
    QCOMPARE(l.toString(moment, formats.editor), texts[1]);
    QCOMPARE(ui::readDateTime(texts[1], formats.editor, l), moment);
    QCOMPARE(ui::readDateTime(texts[2], formats.editor, l), moment);
    QCOMPARE(l.toString(moment, formats.day), texts[3]);
    QVERIFY(!ui::readDateTime(QStringLiteral("13/25/2026 18:07"), formats.editor, l).isValid());
}

QTEST_GUILESS_MAIN(TestLocalization)
#include "tst_localization.moc"

#include "app/localization.h"

#include <QtTest>

class TestLocalization : public QObject
{
    Q_OBJECT

private slots:
    void dateFieldRoundTrip_data();
    void dateFieldRoundTrip();
    void systemLanguage();
};

void TestLocalization::dateFieldRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("day"); // a found day
    QTest::newRow("US: the look it always had")
        << "en_US" << "12 / 06 / 2026 18:07" << "12/6/2026 18:07" << "2026, Dec, 6";
    QTest::newRow("German") << "de_DE" << "06.12.2026 18:07" << " 6 . 12.2026  18:07 "
                            << "6. Dez. 2026";
    QTest::newRow("Spanish: no 'de' with the short month")
        << "es_ES" << "06 / 12 / 2026 18:07" << "6/12/2026 18:07" << "6 dic 2026";
}

// The moon panel's field reads back what it shows, and what a user types in that locale's order,
// as the same moment.
void TestLocalization::dateFieldRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, day);
    const QLocale l(locale);
    const ui::DateFormats formats = ui::dateFormats(l);
    const QDateTime moment(QDate(2026, 12, 6), QTime(18, 7));
    QCOMPARE(l.toString(moment, formats.editor), shown);
    QCOMPARE(ui::readDateTime(shown, formats.editor, l), moment);
    QCOMPARE(ui::readDateTime(typed, formats.editor, l), moment);
    QCOMPARE(l.toString(moment, formats.day), day);
    QVERIFY(!ui::readDateTime(QStringLiteral("13/25/2026 18:07"), formats.editor, l).isValid());
}

// "System": the first shipped of the system's languages; a bare C system reads as US English.
void TestLocalization::systemLanguage()
{
    QCOMPARE(ui::interfaceLanguage(QString(), {"pt-BR", "es-MX"}), QStringLiteral("es"));
    QCOMPARE(ui::interfaceLocale(QString(), QLocale::c()).name(), QStringLiteral("en_US"));
    QCOMPARE(ui::interfaceLocale(QStringLiteral("fr"), QLocale("de_DE")).name(),
             QStringLiteral("fr_FR"));
}

QTEST_GUILESS_MAIN(TestLocalization)
#include "tst_localization.moc"

#include "app/localization.h"

#include <QtTest>

class TestLocalization : public QObject
{
    Q_OBJECT

private slots:
    void dateFieldRoundTrip_data();
    void dateFieldRoundTrip();
    void languageAndLocale_data();
    void languageAndLocale();
};

void TestLocalization::dateFieldRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("day");

    QTest::newRow("US: the look it always had")
        << "en_US" << "12 / 06 / 2026 18:07" << "12/6/2026 18:07" << "2026, Dec, 6";
    QTest::newRow("German") << "de_DE" << "06.12.2026 18:07" << "6.12.2026 18:07"
                            << "6. Dez. 2026";
    QTest::newRow("Russian") << "ru_RU" << "06.12.2026 18:07" << " 06 . 12 . 2026  18:07 "
                             << "6 дек. 2026 г.";
    QTest::newRow("Spanish: no 'de' with the short month")
        << "es_ES" << "06 / 12 / 2026 18:07" << "6/12/2026 18:07" << "6 dic 2026";
}

// What the moon panel's field shows reads back as the same moment, and so does what a user
// types in that locale's order; the found days' dates read naturally.
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
    QCOMPARE(ui::readDateTime(l.toString(moment, formats.dateTime), formats.dateTime, l), moment);
    QCOMPARE(ui::readDateTime(l.toString(moment, formats.date), formats.date, l),
             QDateTime(moment.date(), QTime(0, 0)));
    QCOMPARE(l.toString(moment, formats.day), day);
    // Month before day where the locale writes it so: the other order is no date.
    QVERIFY(!ui::readDateTime(QStringLiteral("13/25/2026 18:07"), formats.editor, l).isValid());
}

void TestLocalization::languageAndLocale_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("systemLanguages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");

    QTest::newRow("bare system: US English")
        << "" << "C" << QStringList{"C"} << "en" << "en_US";
    QTest::newRow("German system") << "" << "de_AT" << QStringList{"de-AT", "de"} << "de"
                                   << "de_AT";
    QTest::newRow("first shipped of the system's languages")
        << "" << "pt_BR" << QStringList{"pt-BR", "es-MX"} << "es" << "pt_BR";
    QTest::newRow("chosen language, its own locale")
        << "fr" << "de_DE" << QStringList{"de-DE"} << "fr" << "fr_FR";
    QTest::newRow("chosen language of the system keeps its country")
        << "de" << "de_CH" << QStringList{"fr-CH"} << "de" << "de_CH";
    QTest::newRow("unknown setting: the system's")
        << "xx" << "ru_RU" << QStringList{"ru-RU"} << "ru" << "ru_RU";
}

void TestLocalization::languageAndLocale()
{
    QFETCH(QString, setting);
    QFETCH(QString, system);
    QFETCH(QStringList, systemLanguages);
    QFETCH(QString, language);
    QFETCH(QString, locale);
    QCOMPARE(ui::interfaceLanguage(setting, systemLanguages), language);
    QCOMPARE(ui::interfaceLocale(setting, QLocale(system)).name(), locale);
}

QTEST_GUILESS_MAIN(TestLocalization)
#include "tst_localization.moc"

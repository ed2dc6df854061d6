#include "app/localization.h"

#include <QtTest>

// The language's pure part: the window's date patterns in a locale, the forgiving reading of
// what they show, and the degrees of the moon panel.
class TestLocalization : public QObject
{
    Q_OBJECT

private slots:
    void dateFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("editor");

        QTest::newRow("US: the 24-hour clock") << "en_US"
                                               << "MM/dd/yyyy"
                                               << "HH:mm"
                                               << "MM / dd / yyyy HH:mm";
        QTest::newRow("German: two-digit day and month, four-digit year") << "de_DE"
                                                                          << "dd.MM.yyyy"
                                                                          << "HH:mm"
                                                                          << "dd.MM.yyyy HH:mm";
        QTest::newRow("Spanish") << "es_ES"
                                 << "dd/MM/yyyy"
                                 << "HH:mm"
                                 << "dd / MM / yyyy HH:mm";
    }

    void dateFormats()
    {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, editor);
        const ui::DateFormats formats = ui::dateFormats(QLocale(locale));
        QCOMPARE(formats.date, date);
        QCOMPARE(formats.time, time);
        QCOMPARE(formats.editor, editor);
        QCOMPARE(formats.dateTime, date + ' ' + time);
    }

    void readDateTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected");

        const QDateTime moment(QDate(2015, 7, 4), QTime(9, 5));
        QTest::newRow("as shown") << "07 / 04 / 2015 09:05" << moment;
        QTest::newRow("one digit, no blanks") << "7/4/2015 9:05" << moment;
        QTest::newRow("blanks round the separators") << " 7 /4/ 2015   9:05 " << moment;
        QTest::newRow("no such day") << "02/30/2016 10:00" << QDateTime();
        QTest::newRow("words") << "tomorrow" << QDateTime();
    }

    void readDateTime()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(ui::readDateTime(text, ui::dateFormats(us).editor, us), expected);
    }

    void formatDegrees_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("expected");

        QTest::newRow("half a degree more") << 12.5 << QStringLiteral("12\u00B0 30'");
        QTest::newRow("negative: floored") << -0.5 << QStringLiteral("-1\u00B0 30'");
        QTest::newRow("minutes are not carried") << 29.999 << QStringLiteral("29\u00B0 60'");
        QTest::newRow("rounded minutes") << 7.2583 << QStringLiteral("7\u00B0 15'");
        QTest::newRow("not a number") << qQNaN() << QString();
    }

    void formatDegrees()
    {
        QFETCH(double, angle);
        QFETCH(QString, expected);
        QCOMPARE(ui::formatDegrees(angle), expected);
    }

    // Months and weekdays are named in the interface language; the locale keeps the order and
    // the digits.
    void namesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Brazilian system, English interface") << "pt_BR"
                                                             << "en"
                                                             << "dd/MM/yyyy, dddd d MMMM"
                                                             << "05/03/2027, Friday 5 March";
        QTest::newRow("Brazilian system, German interface") << "pt_BR"
                                                            << "de"
                                                            << "d MMM yyyy"
                                                            << "5 März 2027";
        QTest::newRow("Austrian system, German interface: its own names") << "de_AT"
                                                                          << "de"
                                                                          << "d. MMMM yyyy"
                                                                          << "5. März 2027";
        QTest::newRow("quoted text and numbers alone are left") << "ru_RU"
                                                                << "en"
                                                                << "'MMM' dd.MM"
                                                                << "MMM 05.03";
    }
    void namesFollowTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        const QLocale numbers(locale);
        const QLocale names = ui::namesLocale(language, numbers);
        const QDate day(2027, 3, 5);
        QCOMPARE(ui::formatWithNames(day, format, numbers, names), expected);
        QCOMPARE(
            ui::formatWithNames(QDateTime(day, QTime(9, 5)), format + " HH:mm", numbers, names),
            expected + " 09:05");
    }
};

QTEST_APPLESS_MAIN(TestLocalization)
#include "tst_localization.moc"

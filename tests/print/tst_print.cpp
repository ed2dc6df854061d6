// The printed months read back by an independent reader (poppler's pdftotext, pdfinfo and
// pdffonts) and held against what `vendarion-ephem calendar` says of the same days; the
// window's preview, print dialog and PDF export against the command line's pages.

#include "astro/library.h"
#include "astro/module.h"
#include "print/calendarprint.h"
#include "print/pages.h"
#include "print/pdffile.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray run(const QString &program, const QStringList &arguments, int *status = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (status)
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

QString ephem()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vendarion-ephem");
}

// Each page's text, laid out as it stands.
QStringList pagesOf(const QString &pdf)
{
    QStringList pages = QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"})).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The day numbers: the lines that hold nothing but numbers and a phase's time.
QList<int> dayNumbers(const QString &page)
{
    QList<int> days;
    for (const QString &line : page.split('\n')) {
        if (!QRegularExpression("^[\\s\\d:]+$").match(line).hasMatch())
            continue;
        for (const QString &word : line.split(' ', Qt::SkipEmptyParts)) {
            if (!word.contains(':'))
                days << word.toInt();
        }
    }
    return days;
}

QStringList voidsOf(const QString &page)
{
    QStringList voids;
    auto it
        = QRegularExpression(QStringLiteral("\\d\\d:\\d\\d\u2013\\d\\d:\\d\\d")).globalMatch(page);
    while (it.hasNext())
        voids << it.next().captured();
    return voids;
}

QString clock(const QJsonValue &isoTime)
{
    return QDateTime::fromString(isoTime.toString(), Qt::ISODate).toString("HH:mm");
}

QWidget *waitForWindow(const char *className)
{
    QWidget *found = nullptr;
    QTest::qWaitFor(
        [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->inherits(className) && w->isVisible())
                    found = w;
            }
            return found != nullptr;
        },
        60000);
    return found;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        astro::setupEphemeris();
        astro::registerMetaTypes();
        QVERIFY(m_dir.isValid());
    }

    // The command line's pages: one a month, titled in the language, every day's number, the
    // void-of-course times the calendar shows, the fonts embedded, on the language's paper.
    void pages_data()
    {
        QTest::addColumn<QStringList>("arguments"); // place, zone, months, language
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("Paris, German, summer time begins")
            << QStringList{"--lat",  "48.85",   "--lon", "2.35",    "--zone",     "Europe/Paris",
                           "--from", "2027-03", "--to",  "2027-04", "--language", "de"}
            << QStringList{"März 2027", "April 2027"} << "595 x 842";
        // Two voids begin on 20 March: the later is shown, as in the calendar.
        QTest::newRow("Tokyo, English, landscape")
            << QStringList{"--lat",      "35.68",  "--lon",         "139.69",   "--zone",
                           "Asia/Tokyo", "--from", "2027-03",       "--to",     "2027-03",
                           "--language", "en",     "--orientation", "landscape"}
            << QStringList{"March 2027"} << "792 x 612";
    }
    void pages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, titles);
        QFETCH(QString, pageSize);
        const QString pdf = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        int status = -1;
        run(ephem(), QStringList{"pdf", "--output", pdf} + arguments, &status);
        QCOMPARE(status, 0);

        const QString info = QString::fromUtf8(run("pdfinfo", {pdf}));
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+" + QString::number(titles.size()))),
                 qPrintable(info));
        QVERIFY2(info.contains("Page size:       " + pageSize), qPrintable(info));
        const QStringList fonts = QString::fromUtf8(run("pdffonts", {pdf})).split('\n').mid(2);
        QVERIFY(fonts.filter(QRegularExpression("\\S")).size() >= 3);
        for (const QString &font : fonts.filter(QRegularExpression("\\S")))
            QVERIFY2(font.contains(QRegularExpression("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+")),
                     qPrintable(font));

        const QStringList pages = pagesOf(pdf);
        QCOMPARE(pages.size(), titles.size());
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY2(pages[p].contains(titles[p]), qPrintable(pages[p]));
            const QDate month
                = QDate::fromString(arguments.at(arguments.indexOf("--from") + 1), "yyyy-MM")
                      .addMonths(p);
            QList<int> expected;
            for (int d = 1; d <= month.daysInMonth(); ++d)
                expected << d;
            QCOMPARE(dayNumbers(pages[p]), expected);

            const QStringList place = arguments.mid(0, 6);
            const QJsonArray days
                = QJsonDocument::fromJson(
                      run(ephem(), QStringList{"calendar", month.toString("yyyy-MM")} + place))
                      .array();
            QStringList voids;
            for (const QJsonValue &day : days) {
                const QJsonObject v = day["void"].toObject();
                if (day["date"].toString().startsWith(month.toString("yyyy-MM")) && !v.isEmpty())
                    voids << clock(v["start"]) + QChar(0x2013) + clock(v["end"]);
            }
            QVERIFY(voids.size() >= 10);
            QCOMPARE(voidsOf(pages[p]), voids);
        }
    }

    // The command line draws without a display and links no widgets; a file it cannot write is
    // a failure, said in one line.
    void commandLineWithoutDisplay()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(environment);
        const QStringList month{"pdf", "--from", "2027-02", "--to", "2027-02", "--output"};
        process.start(ephem(), month + QStringList{m_dir.filePath("nodisplay.pdf")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        process.start(ephem(), month + QStringList{"/nonexistent/folder/x.pdf"});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError().count('\n'), 1);
        const QByteArray libraries = run("ldd", {ephem()});
        QVERIFY(libraries.contains("libQt5Gui"));
        QVERIFY(!libraries.contains("Widgets") && !libraries.contains("PrintSupport"));
    }

    // The window's preview and print dialog draw the pages the command line writes.
    void windowPrintsTheSamePages_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("preview") << int(print::CalendarPrint::Preview);
        QTest::newRow("print dialog") << int(print::CalendarPrint::Print);
        QTest::newRow("export as PDF") << int(print::CalendarPrint::Pdf);
    }
    void windowPrintsTheSamePages()
    {
        QFETCH(int, action);
        astro::Calculation calculation;
        calculation.setObserver(astro::Position(2.35, 48.85, 0));
        calculation.setZone("Europe/Paris");
        astro::CalendarModel model;
        model.setCalculation(&calculation);
        model.setActiveMonth(QDate(2027, 3, 1));
        print::CalendarPrint printing;
        printing.setCalendarModel(&model);
        QSignalSpy finished(&printing, &print::CalendarPrint::finished);
        const QVariantMap months = printing.presetRange(1);
        QCOMPARE(months["from"].toDateTime().date(), QDate(2027, 3, 1));
        QCOMPARE(months["to"].toDateTime().date(), QDate(2027, 5, 1));

        const QString pdf = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        // A printer to a file, as the print dialog offers where no printer is installed.
        printing.printer()->setOutputFormat(QPrinter::PdfFormat);
        printing.printer()->setOutputFileName(pdf);
        QVERIFY(printing.start(action, months["from"].toDateTime(), months["to"].toDateTime(),
                               false, "Paris, France", "en", "C"));
        QVERIFY(!printing.start(action, {}, {}, false, {}, "en", "C")); // busy
        if (action == print::CalendarPrint::Preview) {
            auto *dialog
                = qobject_cast<QPrintPreviewDialog *>(waitForWindow("QPrintPreviewDialog"));
            QVERIFY(dialog);
            auto *preview = dialog->findChild<QPrintPreviewWidget *>();
            QTRY_COMPARE(preview->pageCount(), 3);
            const QString shots = qEnvironmentVariable("VENDARION_SCREENSHOTS");
            if (!shots.isEmpty())
                dialog->grab().save(shots + QStringLiteral("/print-preview.png"));
            preview->print();
            dialog->reject();
            // The print dialog's range counts months.
            QPrinter second(QPrinter::HighResolution);
            second.setOutputFileName(pdf + ".range.pdf");
            second.setPageLayout(print::pageLayout(QPageSize::A4, QPageLayout::Portrait));
            second.setPrintRange(QPrinter::PageRange);
            second.setFromTo(2, 2);
            QVERIFY(printing.paint(&second));
        } else if (action == print::CalendarPrint::Print) {
            auto *dialog = qobject_cast<QPrintDialog *>(waitForWindow("QPrintDialog"));
            QVERIFY(dialog);
            dialog->accept();
        } else {
            auto *dialog = qobject_cast<QFileDialog *>(waitForWindow("QFileDialog"));
            QVERIFY(dialog);
            QCOMPARE(dialog->selectedFiles().value(0).section('/', -1), "moon-2027-03-2027-05.pdf");
            dialog->selectFile(pdf);
            QMetaObject::invokeMethod(dialog, "accept");
        }
        QVERIFY(finished.count() == 1 || finished.wait(60000));
        QCOMPARE(finished.first().at(0).toBool(), action != print::CalendarPrint::Preview);

        const QString cli = m_dir.filePath(QStringLiteral("cli.pdf"));
        // In the C locale of the tests, as the window's locale "C" chooses: A4, weeks from Monday.
        run(ephem(),
            {"pdf", "--output", cli, "--lat", "48.85", "--lon", "2.35", "--zone", "Europe/Paris",
             "--from", "2027-03", "--to", "2027-05", "--name", "Paris, France"});
        const QStringList expected = pagesOf(cli);
        QCOMPARE(expected.size(), 3);
        QVERIFY(expected[0].contains("Paris, France"));
        QCOMPARE(pagesOf(pdf), expected);
        if (action == print::CalendarPrint::Preview)
            QCOMPARE(pagesOf(pdf + ".range.pdf"), expected.mid(1, 1));
    }

    // The great days of a month in the words of the window's tips, at the minutes the command
    // line lists them; a file that cannot be written, or no month, is said so.
    void greatDays()
    {
        const QStringList place{"--lat", "48.85", "--lon", "2.35", "--zone", "Europe/Paris"};
        const QStringList days{"--from", "2027-02-01", "--to", "2027-02-28"};
        const QString pdf = m_dir.filePath(QStringLiteral("greatdays.pdf"));
        run(ephem(),
            QStringList{"pdf", "--from", "2027-02", "--to", "2027-02", "--output", pdf} + place);
        const QString text = QString::fromUtf8(run("pdftotext", {pdf, "-"})).simplified();
        QStringList expected;
        for (const QJsonValue &e :
             QJsonDocument::fromJson(run(ephem(), QStringList{"eclipses"} + days + place))
                 .array()) {
            const QJsonValue local = e["local"]["maximum"];
            expected << "maximum " + clock(local.isString() ? local : e["maximum"]);
        }
        for (const QJsonValue &a :
             QJsonDocument::fromJson(run(ephem(), QStringList{"apsides"} + days + place)).array()) {
            const QString kind = a["kind"].toString();
            expected << kind.left(1).toUpper() + kind.mid(1) + ' ' + clock(a["time"]) + ',';
        }
        QVERIFY(expected.size() >= 4); // two eclipses, perigees and apogees
        for (const QString &words : expected)
            QVERIFY2(text.contains(words), qPrintable(words + " | " + text));

        const print::Document none;
        const QPageLayout a4 = print::pageLayout(QPageSize::A4, QPageLayout::Portrait);
        QCOMPARE(print::writePdf(none, pdf, a4), QString("no month to print"));
        print::Document month;
        month.months.append(print::Month{QDate(2027, 2, 1), {}});
        QVERIFY(print::writePdf(month, "/nonexistent/folder/x.pdf", a4).startsWith("/nonexistent"));
    }

    void weeks_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("rows");
        QTest::newRow("February 2027 from Monday") << QDate(2027, 2, 1) << 1 << 0 << 4;
        QTest::newRow("February 2027 from Sunday") << QDate(2027, 2, 1) << 7 << 1 << 5;
        QTest::newRow("May 2027 from Monday: six weeks") << QDate(2027, 5, 1) << 1 << 5 << 6;
        QTest::newRow("August 2027 from Sunday") << QDate(2027, 8, 1) << 7 << 0 << 5;
        QTest::newRow("March 2027 from Saturday") << QDate(2027, 3, 1) << 6 << 2 << 5;
    }
    void weeks()
    {
        QFETCH(QDate, month);
        QFETCH(int, firstDay);
        QTEST(print::leadingDays(month, Qt::DayOfWeek(firstDay)), "lead");
        QTEST(print::weekRows(month, Qt::DayOfWeek(firstDay)), "rows");
    }

    void paper_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("paper");
        for (const char *letter : {"en_US", "en_CA", "fr_CA", "es_MX", "fil_PH"})
            QTest::newRow(letter) << letter << int(QPageSize::Letter);
        for (const char *a4 : {"en_GB", "de_DE", "ru_RU", "C", "es_ES"})
            QTest::newRow(a4) << a4 << int(QPageSize::A4);
    }
    void paper()
    {
        QFETCH(QString, locale);
        QTEST(int(print::paperOf(QLocale(locale))), "paper");
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"

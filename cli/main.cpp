// vendarion-ephem: the engine of the calendar on the command line, printing JSON.

#include "astro/calculation.h"
#include "astro/library.h"
#include "astro/module.h"
#include "astro/zone.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "global/object.h"
#include "ical/calendarfile.h"
#include "ical/events.h"
#include "print/pages.h"
#include "print/pdffile.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QMutex>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

// Output cut short (a full disk, a file-size limit) must not end as a success: every write and
// the final flush are checked. A reader that went away (a closed pipe) ends the program by its
// signal, quietly, as any filter ends.
bool writeOut(const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
           && std::fflush(stdout) == 0;
}

int outputLost(const char *what)
{
    std::fprintf(stderr, "vendarion-ephem: %s could not be written to standard output\n", what);
    return 1;
}

// %1 the range of --at, %2 and %3 the years of the other dates, %4 the languages of ics and pdf.
const char usageText[]
    = "usage: vendarion-ephem [--at \"YYYY-MM-DD HH:MM\"] [PLACE]\n"
      "       vendarion-ephem calendar YYYY-MM [PLACE]\n"
      "       vendarion-ephem search --from YYYY-MM-DD [--lunar-day N] [--sign NAME|0-11]\n"
      "                              [--results N] [PLACE]\n"
      "       vendarion-ephem places QUERY [--results N]\n"
      "       vendarion-ephem ics --from YYYY-MM-DD --to YYYY-MM-DD\n"
      "                           [--events void,ingress,phase,lunarday,rise,set]\n"
      "                           [--name TEXT] [--language %4] [--alarm MINUTES] [PLACE]\n"
      "       vendarion-ephem events --from YYYY-MM-DD --to YYYY-MM-DD\n"
      "                              [--events void,ingress,phase,lunarday,rise,set,...] [PLACE]\n"
      "       vendarion-ephem eclipses --from YYYY-MM-DD --to YYYY-MM-DD [PLACE]\n"
      "       vendarion-ephem apsides --from YYYY-MM-DD --to YYYY-MM-DD\n"
      "       vendarion-ephem pdf --from YYYY-MM --to YYYY-MM --output FILE.pdf\n"
      "                           [--language %4] [--paper a4|letter]\n"
      "                           [--orientation portrait|landscape] [--name TEXT] [PLACE]\n"
      "PLACE: --lat DEG (north positive) --lon DEG (east positive) --alt METRES\n"
      "Every command takes --zone ZONE, an IANA name such as Europe/Paris, or UTC, or a\n"
      "fixed offset such as UTC+05:30: times are read and shown in that zone (without it,\n"
      "the system's; TZ chooses that). Output is JSON.\n"
      "--at takes a moment from %1, whatever the\n"
      "zone it is read in; other dates lie in the years %2 to %3.\n"
      "places lists the known places whose name contains QUERY, best match first.\n"
      "ics writes the Moon's events of those days as an iCalendar file (void, ingress and\n"
      "phase unless --events chooses: also lunarday, rise, set, eclipse, apsis); --name is the\n"
      "place's name in its events, --language the language of their texts (English unless\n"
      "chosen), --alarm has the calendar program remind of each that many minutes before it\n"
      "(0 at its start).\n"
      "events prints the same events as JSON: kind, start, end and summary of each.\n"
      "eclipses lists the eclipses of the Sun and the Moon whose greatest eclipse falls in\n"
      "those days, and whether and how the place sees them; apsides lists the Moon's perigees\n"
      "and apogees (at most 50 years at a time).\n"
      "pdf prints those months, one a page, in English or the language chosen, on the\n"
      "paper of the language's country (else of the system's locale).\n"
      "--version prints the version; see also man vendarion-ephem.\n";

int printJson(const QJsonDocument &document)
{
    return writeOut(document.toJson(QJsonDocument::Indented)) ? 0 : outputLost("the result");
}

// The engine's log lines, held back until the command has ended: a refused moment is then told
// in one line that names the library's complaint, and the others are printed as they came.
QMutex g_logLock;
QStringList g_log;

void keepLine(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker locker(&g_logLock);
    g_log.append(message);
}

void printLog()
{
    for (const QString &line : qAsConst(g_log))
        std::fprintf(stderr, "%s\n", qPrintable(line));
}

int writeCalendar(const cli::Options &options)
{
    ical::Request request;
    request.place = astro::Position(options.longitude, options.latitude, options.altitude);
    request.placeName = options.name;
    request.zone = astro::Zone::named(options.zone).value_or(astro::Zone::system()).timeZone();
    request.from = options.from;
    request.to = options.to;
    request.kinds = options.kinds;
    request.language = options.language;
    request.alarmMinutes = options.alarm;
    const ical::CalendarFile file = ical::exportCalendar(request);
    qInstallMessageHandler(nullptr);
    if (file.text.isEmpty()) {
        std::fprintf(stderr, "vendarion-ephem: %s\n", qPrintable(file.error));
        return 2;
    }
    printLog();
    return writeOut(file.text) ? 0 : outputLost("the calendar");
}

// The months as pages of a PDF file, drawn as the window prints them.
int writePages(const cli::Options &options)
{
    QTranslator translator;
    const bool english = options.language.isEmpty() || options.language == QLatin1String("en");
    if (!english
        && translator.load(QStringLiteral(":/translations/vendarion_%1.qm").arg(options.language)))
        QCoreApplication::installTranslator(&translator);
    const QLocale locale
        = options.language.isEmpty() ? QLocale::system() : QLocale(options.language);
    print::Request request;
    request.place = astro::Position(options.longitude, options.latitude, options.altitude);
    request.placeName = options.name;
    request.zone = astro::Zone::named(options.zone).value_or(astro::Zone::system());
    request.from = options.from;
    request.to = options.to;
    request.names = english ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
    request.firstDayOfWeek = locale.firstDayOfWeek();
    const auto paper
        = options.paper >= 0 ? QPageSize::PageSizeId(options.paper) : print::paperOf(locale);
    QString error;
    {
        global::TaskGroup helpers;
        const print::Document document
            = print::collect(request, std::make_shared<std::atomic<bool>>(false), helpers);
        error
            = print::writePdf(document, options.output,
                              print::pageLayout(paper, options.landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait));
    }
    qInstallMessageHandler(nullptr);
    printLog();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "vendarion-ephem: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // The pages are drawn with Qt's fonts, which need the GUI application, but never a display.
    const bool pages = argc > 1 && qstrcmp(argv[1], "pdf") == 0;
    if (pages)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app
        = pages ? std::make_unique<QGuiApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QStringList arguments = app->arguments();
    arguments.removeFirst();
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        const QString usage = QString::fromUtf8(usageText)
                                  .arg(astro::ephemerisRangeText())
                                  .arg(astro::FirstEphemerisYear)
                                  .arg(astro::LastEphemerisYear)
                                  .arg(ical::languages().join(QLatin1Char('|')));
        return writeOut(usage.toUtf8()) ? 0 : outputLost("the usage");
    }
    if (arguments.contains(QLatin1String("--version")))
        return writeOut("vendarion-ephem " VENDARION_VERSION "\n") ? 0 : outputLost("the version");
    const cli::Options options = cli::parse(arguments, QDateTime::currentDateTime());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "vendarion-ephem: %s\n", qPrintable(options.error));
        return 2;
    }

    if (options.command == QLatin1String("places")) {
        const QString folder = global::Object::resourcePath() + QStringLiteral("geo/");
        // The loaders' count lines are for the program's log, not for this output.
        QLoggingCategory::setFilterRules(QStringLiteral("vendarion.geo.debug=false"));
        const QJsonDocument found = cli::places(folder, options);
        if (found.isNull()) {
            std::fprintf(stderr, "vendarion-ephem: no place could be read from %s\n",
                         qPrintable(QDir::toNativeSeparators(folder)));
            return 1;
        }
        return printJson(found);
    }

    qInstallMessageHandler(keepLine);
    astro::setupEphemeris();
    astro::registerMetaTypes();
    astro::Calculation calculation;
    calculation.setObserver(astro::Position(options.longitude, options.latitude, options.altitude));
    calculation.setZone(QString::fromUtf8(options.zone)); // known: the options were checked

    if (options.command == QLatin1String("ics"))
        return writeCalendar(options);
    if (options.command == QLatin1String("pdf"))
        return writePages(options);

    QJsonDocument result;
    if (options.command == QLatin1String("calendar"))
        result = cli::calendar(calculation, options);
    else if (options.command == QLatin1String("events"))
        result = cli::events(calculation, options);
    else if (options.command == QLatin1String("eclipses"))
        result = cli::eclipses(calculation, options);
    else if (options.command == QLatin1String("apsides"))
        result = cli::apsides(calculation, options);
    else if (options.command == QLatin1String("search"))
        result = cli::search(calculation, options);
    else
        result = cli::ephemeris(calculation, options);
    qInstallMessageHandler(nullptr);
    if (result.isNull()) {
        const bool ranged = options.command == QLatin1String("eclipses")
                            || options.command == QLatin1String("apsides")
                            || options.command == QLatin1String("events");
        const QString what
            = ranged ? QStringLiteral("the %1 of %2 to %3")
                           .arg(options.command, options.from.toString(Qt::ISODate),
                                options.to.toString(Qt::ISODate))
                     : QStringLiteral("the ephemeris of %1")
                           .arg(options.at.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        std::fprintf(stderr, "vendarion-ephem: %s could not be computed (%s)\n", qPrintable(what),
                     qPrintable(g_log.value(0)));
        return 2;
    }
    printLog();
    return printJson(result);
}

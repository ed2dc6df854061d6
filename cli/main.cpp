// vendarion-ephem: the engine of the calendar on the command line, printing JSON.

#include "astro/calculation.h"
#include "astro/library.h"
#include "astro/module.h"
#include "astro/zone.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "global/object.h"
#include "ical/calendarfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QMutex>
#include <QStringList>

#include <cstdio>

namespace {

void print(const QJsonDocument &document)
{
    std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
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
    const ical::CalendarFile file = ical::exportCalendar(request);
    qInstallMessageHandler(nullptr);
    if (file.text.isEmpty()) {
        std::fprintf(stderr, "vendarion-ephem: %s\n", qPrintable(file.error));
        return 2;
    }
    printLog();
    // A file cut short (a full disk, a closed pipe) must not end as a success.
    if (std::fwrite(file.text.constData(), 1, size_t(file.text.size()), stdout)
            != size_t(file.text.size())
        || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vendarion-ephem: the calendar could not be written to standard "
                             "output\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        std::fputs(
            "usage: vendarion-ephem [--at \"YYYY-MM-DD HH:MM\"] [PLACE]\n"
            "       vendarion-ephem calendar YYYY-MM [PLACE]\n"
            "       vendarion-ephem search --from YYYY-MM-DD [--lunar-day N] [--sign NAME|0-11]\n"
            "                              [--results N] [PLACE]\n"
            "       vendarion-ephem places QUERY [--results N]\n"
            "       vendarion-ephem ics --from YYYY-MM-DD --to YYYY-MM-DD\n"
            "                           [--events void,ingress,phase,lunarday,rise,set]\n"
            "                           [--name TEXT] [PLACE]\n"
            "PLACE: --lat DEG (north positive) --lon DEG (east positive) --alt METRES\n"
            "Every command takes --zone ZONE, an IANA name such as Europe/Paris: times are read\n"
            "and shown in that zone (without it, the system's; TZ chooses that). Output is JSON.\n"
            "places lists the known places whose name contains QUERY, best match first.\n"
            "ics writes the Moon's events of those days as an iCalendar file (void, ingress and\n"
            "phase unless --events chooses); --name is the place's name in its events.\n"
            "--version prints the version; see also man vendarion-ephem.\n",
            stdout);
        return 0;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        std::fputs("vendarion-ephem " VENDARION_VERSION "\n", stdout);
        return 0;
    }
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
        print(found);
        return 0;
    }

    qInstallMessageHandler(keepLine);
    astro::setupEphemeris();
    astro::registerMetaTypes();
    astro::Calculation calculation;
    calculation.setObserver(astro::Position(options.longitude, options.latitude, options.altitude));
    calculation.setZone(QString::fromUtf8(options.zone)); // known: the options were checked

    if (options.command == QLatin1String("ics"))
        return writeCalendar(options);

    QJsonDocument result;
    if (options.command == QLatin1String("calendar"))
        result = cli::calendar(calculation, options);
    else if (options.command == QLatin1String("search"))
        result = cli::search(calculation, options);
    else
        result = cli::ephemeris(calculation, options);
    qInstallMessageHandler(nullptr);
    if (result.isNull()) {
        std::fprintf(stderr, "vendarion-ephem: the ephemeris of %s could not be computed (%s)\n",
                     qPrintable(options.at.toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
                     qPrintable(g_log.value(0)));
        return 2;
    }
    printLog();
    print(result);
    return 0;
}

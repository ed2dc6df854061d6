// vendarion-ephem: the engine of the calendar on the command line, printing JSON.

#include "astro/calculation.h"
#include "astro/library.h"
#include "astro/module.h"
#include "cli/json.h"
#include "cli/options.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>
#include <memory>

namespace {

void print(const QJsonDocument &document)
{
    std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
}

int ephemeris(astro::Calculation &calculation, const cli::Options &options)
{
    std::unique_ptr<astro::Ephemeris> e(calculation.computeEphemeris(options.at));
    print(QJsonDocument(cli::propertiesOf(e.get())));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        std::fputs("usage: vendarion-ephem [--at \"YYYY-MM-DD HH:MM\"] [--lat DEG] [--lon DEG] "
                   "[--alt M]\n",
                   stdout);
        return 0;
    }
    const cli::Options options = cli::parse(arguments, QDateTime::currentDateTime());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "vendarion-ephem: %s\n", qPrintable(options.error));
        return 2;
    }

    astro::setupEphemeris();
    astro::registerMetaTypes();
    astro::Calculation calculation;
    calculation.setObserver(astro::Position(options.longitude, options.latitude, options.altitude));

    if (options.command == QLatin1String("ephemeris"))
        return ephemeris(calculation, options);
    std::fprintf(stderr, "vendarion-ephem: unknown command '%s'\n", qPrintable(options.command));
    return 2;
}

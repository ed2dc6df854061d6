// A year of the printed calendar as a PDF file at one place (Paris, on its own zone), as
// `vendarion-ephem pdf` makes it: under 2 s and at most 1.5 MB. The months are computed on the
// calling thread with one pool helper; the pages are drawn on the offscreen platform.

#include "astro/library.h"
#include "astro/module.h"
#include "print/pdffile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

print::Request year()
{
    print::Request request;
    request.place = astro::Position(2.35, 48.85, 35.0);
    request.placeName = QStringLiteral("Paris, France");
    request.zone = *astro::Zone::named("Europe/Paris");
    request.from = QDate(2027, 1, 1);
    request.to = QDate(2027, 12, 1);
    return request;
}

void pdfYear(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("year.pdf"));
    global::TaskGroup helpers;
    for (auto _ : state) {
        const print::Document document
            = print::collect(year(), std::make_shared<std::atomic<bool>>(false), helpers);
        const QString error = print::writePdf(
            document, path, print::pageLayout(QPageSize::A4, QPageLayout::Portrait));
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.counters["kB"] = double(QFileInfo(path).size()) / 1024.0;
}

// The pages alone, from months computed once.
void pagesOfAYear(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("year.pdf"));
    global::TaskGroup helpers;
    const print::Document document
        = print::collect(year(), std::make_shared<std::atomic<bool>>(false), helpers);
    for (auto _ : state)
        print::writePdf(document, path, print::pageLayout(QPageSize::A4, QPageLayout::Landscape));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    astro::setupEphemeris();
    astro::registerMetaTypes();
    benchmark::RegisterBenchmark("PdfYear/Paris", pdfYear)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("PdfPages/year", pagesOfAYear)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "print/calendarprint.h"

#include "astro/library.h"
#include "global/object.h"
#include "print/logging.h"
#include "print/pages.h"
#include "print/pdffile.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QtConcurrent>

namespace print {

namespace {

QDate monthOf(const QDateTime &pickerMidnight)
{
    const QDate day = pickerMidnight.toLocalTime().date();
    return QDate(day.year(), day.month(), 1);
}

QDateTime pickerDay(const QDate &date)
{
    return date.startOfDay(Qt::LocalTime);
}

// The months the file holds, as its name: "moon-2027-03.pdf", "moon-2027-03-2027-05.pdf".
QString proposedName(const Request &request)
{
    const QString from = request.from.toString(QStringLiteral("yyyy-MM"));
    const QString to = request.to.toString(QStringLiteral("yyyy-MM"));
    return QStringLiteral("moon-%1.pdf").arg(from == to ? from : from + QLatin1Char('-') + to);
}

// The dialogs are windows of their own over the scene's window, which is no widget: they are
// application-modal, and free themselves when closed.
void showModal(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->open();
}

} // namespace

CalendarPrint::CalendarPrint(QObject *parent)
    : BackgroundJob(parent)
{}

CalendarPrint::~CalendarPrint()
{
    cancel();
    m_tasks.close();
}

void CalendarPrint::setCalendarModel(astro::CalendarModel *model)
{
    if (m_calendarModel == model)
        return;
    m_calendarModel = model;
    emit calendarModelChanged(model);
}

int CalendarPrint::firstYear() const
{
    return astro::FirstEphemerisYear;
}

int CalendarPrint::lastYear() const
{
    return astro::LastEphemerisYear;
}

QVariantMap CalendarPrint::presetRange(int choice) const
{
    QDate shown = m_calendarModel ? m_calendarModel->activeMonth() : QDate::currentDate();
    if (!shown.isValid())
        shown = QDate::currentDate();
    const QDate first(shown.year(), shown.month(), 1);
    const int months = choice == 1 ? 3 : choice == 2 ? 12 : 1;
    return {{QStringLiteral("from"), pickerDay(first)},
            {QStringLiteral("to"), pickerDay(first.addMonths(months - 1))}};
}

int CalendarPrint::rangeProblem(const QDateTime &from, const QDateTime &to) const
{
    const QDate first = monthOf(from), last = monthOf(to);
    if (last < first)
        return 1;
    return rangeError(first, last).isEmpty() ? 0 : 2;
}

bool CalendarPrint::start(int action, const QDateTime &from, const QDateTime &to, bool landscape,
                          const QString &placeName, const QString &language,
                          const QString &localeName)
{
    astro::Calculation *calculation = m_calendarModel ? m_calendarModel->calculation() : nullptr;
    if (busy() || !calculation || action < Preview || action > Pdf)
        return false;
    Request request;
    request.place = calculation->observer();
    request.placeName = placeName;
    request.zone = calculation->zone();
    request.from = monthOf(from);
    request.to = monthOf(to);
    request.names = QLocale(language);
    const QLocale locale(localeName);
    request.firstDayOfWeek = locale.firstDayOfWeek();
    m_paper = paperOf(locale);
    m_landscape = landscape;
    m_action = action;

    begin();
    if (action == Pdf)
        askForFile(request);
    else
        compute(request, QString());
    return true;
}

void CalendarPrint::cancel()
{
    if (m_cancel)
        *m_cancel = true;
}

void CalendarPrint::askForFile(const Request &request)
{
    // The documents folder, then the folder of the last file written.
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto *dialog
        = new QFileDialog(nullptr, QCoreApplication::translate("PrintDialog", "Export as PDF"),
                          QDir(m_folder).filePath(proposedName(request)),
                          QCoreApplication::translate("PrintDialog", "PDF files (*.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    connect(dialog, &QFileDialog::fileSelected, this, [this, request](const QString &path) {
        m_folder = QFileInfo(path).absolutePath();
        compute(request, path);
    });
    connect(dialog, &QFileDialog::rejected, this, [this] { end(false, QString(), QString()); });
    showModal(dialog);
}

// The months are computed on the pool, and a PDF written there too; the printer and its
// dialogs stay on this thread.
void CalendarPrint::compute(const Request &request, const QString &pdfPath)
{
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const QPageLayout pages = layout();
    loadFonts();
    m_tasks.begin();
    QtConcurrent::run(
        QThreadPool::globalInstance(),
        [this, request, pdfPath, pages, cancel = m_cancel, progress = progressReporter()] {
            const Document document = collect(request, cancel, m_tasks, progress);
            QString error;
            if (!*cancel && !pdfPath.isEmpty())
                error = writePdf(document, pdfPath, pages);
            if (*cancel)
                error.clear();
            const QString file = *cancel ? QString() : QDir::toNativeSeparators(pdfPath);
            QMetaObject::invokeMethod(
                this,
                [this, document, file, error, cancelled = bool(*cancel)] {
                    computed(cancelled ? Document() : document, file, error);
                },
                Qt::QueuedConnection);
            m_tasks.end();
        });
}

void CalendarPrint::computed(const Document &document, const QString &file, const QString &error)
{
    if (document.months.isEmpty()) {
        end(false, QString(), error);
        return;
    }
    m_document = document;
    if (m_action == Preview)
        showPreview();
    else if (m_action == Print)
        showPrintDialog();
    else
        end(error.isEmpty(), file, error);
}

QPageLayout CalendarPrint::layout() const
{
    return pageLayout(m_paper, m_landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPrinter *CalendarPrint::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(global::Object::product());
    }
    return m_printer.get();
}

bool CalendarPrint::paint(QPrinter *printer) const
{
    Document pages = m_document;
    // The print dialog's range counts pages, which are months.
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        const int first = printer->fromPage() - 1;
        const int last = std::max(first, printer->toPage() - 1);
        pages.months = pages.months.mid(first, last - first + 1);
    }
    return paintPages(*printer, pages);
}

void CalendarPrint::showPreview()
{
    QPrinter *p = printer();
    p->setPageLayout(layout());
    p->setPrintRange(QPrinter::AllPages);
    auto *dialog = new QPrintPreviewDialog(p);
    dialog->setWindowTitle(QCoreApplication::translate("PrintDialog", "Print Preview"));
    // A page large enough to read.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dialog->resize(screen->availableSize() * 0.8);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { paint(printer); });
    connect(dialog, &QDialog::finished, this,
            [this](int result) { end(result == QDialog::Accepted, QString(), QString()); });
    showModal(dialog);
}

void CalendarPrint::showPrintDialog()
{
    QPrinter *p = printer();
    p->setPageLayout(layout());
    auto *dialog = new QPrintDialog(p);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange);
    dialog->setMinMax(1, m_document.months.size());
    connect(dialog, &QDialog::finished, this, [this, p](int result) {
        if (result != QDialog::Accepted) {
            end(false, QString(), QString());
            return;
        }
        const bool ok = paint(p);
        end(ok, p->outputFileName(),
            ok ? QString() : QStringLiteral("the printer refused the pages"));
    });
    showModal(dialog);
}

} // namespace print

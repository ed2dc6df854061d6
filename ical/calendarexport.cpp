#include "ical/calendarexport.h"

#include "astro/library.h"
#include "astro/zone.h"
#include "ical/calendarfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtConcurrent>

namespace ical {

namespace {

QDate dayOf(const QDateTime &pickerMidnight)
{
    return pickerMidnight.toLocalTime().date();
}

QDateTime pickerDay(const QDate &date)
{
    return date.startOfDay(Qt::LocalTime);
}

} // namespace

CalendarExport::CalendarExport(QObject *parent)
    : BackgroundJob(parent)
{}

CalendarExport::~CalendarExport()
{
    m_cancel = true;
    m_tasks.close();
}

void CalendarExport::setCalculation(astro::Calculation *calculation)
{
    if (m_calculation == calculation)
        return;
    m_calculation = calculation;
    emit calculationChanged(calculation);
}

QVariantMap CalendarExport::presetRange(int choice, const QDateTime &shownMonth) const
{
    const astro::Zone zone = m_calculation ? m_calculation->zone() : astro::Zone::system();
    const QDate today = zone.toZone(QDateTime::currentDateTime()).date();
    QDate from = today, to;
    if (choice == 0) {
        const QDate shown = shownMonth.isValid() ? zone.toZone(shownMonth).date() : today;
        from = QDate(shown.year(), shown.month(), 1);
        to = from.addMonths(1).addDays(-1);
    } else {
        to = today.addMonths(choice == 1 ? 3 : 12).addDays(-1);
    }
    return {{QStringLiteral("from"), pickerDay(from)}, {QStringLiteral("to"), pickerDay(to)}};
}

QString CalendarExport::proposedName(const QDateTime &from, const QDateTime &to) const
{
    return fileNameFor(dayOf(from), dayOf(to));
}

int CalendarExport::maximumYears() const
{
    return MaximumYears;
}

int CalendarExport::firstYear() const
{
    return astro::FirstEphemerisYear;
}

int CalendarExport::lastYear() const
{
    return astro::LastEphemerisYear;
}

int CalendarExport::rangeProblem(const QDateTime &from, const QDateTime &to) const
{
    const QDate first = dayOf(from), last = dayOf(to);
    if (last < first)
        return 1;
    return ical::rangeError(first, last).isEmpty() ? 0 : 2;
}

bool CalendarExport::start(const QUrl &file, const QDateTime &from, const QDateTime &to, int kinds,
                           const QString &placeName, const QString &language, int alarmMinutes)
{
    astro::Calculation *calculation = m_calculation;
    if (busy() || !calculation)
        return false;
    Request request;
    request.place = calculation->observer();
    request.placeName = placeName;
    // The zone the window shows times in.
    request.zone = calculation->zone().timeZone();
    request.from = dayOf(from);
    request.to = dayOf(to);
    request.kinds = kinds;
    request.language = language;
    request.alarmMinutes = alarmMinutes;
    QString path = file.isLocalFile() ? file.toLocalFile() : file.toString();
    // Calendar programs know the file by its suffix; not every save dialog adds it.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ics");

    m_cancel = false;
    begin();
    // Counted here, on the thread that destroys this object, and ended by the task however it
    // ends.
    m_tasks.begin();
    QtConcurrent::run(
        QThreadPool::globalInstance(), [this, request, path, progress = progressReporter()] {
            const CalendarFile made = exportCalendar(request, &m_cancel, progress);
            const QString name = QDir::toNativeSeparators(path);
            QString error;
            if (!made.cancelled && made.text.isEmpty()) {
                error = made.error;
            } else if (!made.cancelled) {
                // Written beside the old file and put in its place only when complete, so a failed
                // export never leaves a calendar cut short.
                QSaveFile out(path);
                if (!out.open(QIODevice::WriteOnly) || out.write(made.text) != made.text.size()
                    || !out.commit())
                    error = QStringLiteral("%1: %2").arg(name, out.errorString());
            }
            const bool ok = !made.cancelled && error.isEmpty();
            QMetaObject::invokeMethod(
                this, [this, ok, name, error] { end(ok, name, error); }, Qt::QueuedConnection);
            m_tasks.end();
        });
    return true;
}

void CalendarExport::cancel()
{
    m_cancel = true;
}

} // namespace ical

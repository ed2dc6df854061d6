#pragma once

#include "astro/calendarmodel.h"
#include "global/backgroundjob.h"
#include "global/taskgroup.h"
#include "print/months.h"

#include <QDateTime>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QVariantMap>

#include <atomic>
#include <memory>

class QPrinter;

namespace print {

// The window's printing of the calendar: the months are computed on the thread pool for the
// place and zone of the calendar model's calculation, then shown in the print preview, handed to
// the system's print dialog or written as a PDF file. Busy, progress and the end reach the scene on
// its own thread; the dialogs and the printer are made when first needed.
class CalendarPrint : public global::BackgroundJob
{
    Q_OBJECT
    Q_PROPERTY(astro::CalendarModel *calendarModel READ calendarModel WRITE setCalendarModel NOTIFY
                   calendarModelChanged)
    // The limits of a range, for the scene's messages.
    Q_PROPERTY(int maximumMonths READ maximumMonths CONSTANT)
    Q_PROPERTY(int firstYear READ firstYear CONSTANT)
    Q_PROPERTY(int lastYear READ lastYear CONSTANT)

public:
    enum Action { Preview, Print, Pdf };
    Q_ENUM(Action)

    explicit CalendarPrint(QObject *parent = nullptr);
    // Cancels a running computation and waits for it.
    ~CalendarPrint() override;

    astro::CalendarModel *calendarModel() const { return m_calendarModel; }
    void setCalendarModel(astro::CalendarModel *model);
    int maximumMonths() const { return MaximumMonths; }
    int firstYear() const;
    int lastYear() const;

    // The months of a choice of the dialog, from the calendar's month: 0 that month, 1 it and
    // the next two, 2 it and the next eleven. As the scene's date pickers hold days: {from, to},
    // the first day of each month at this computer's midnight.
    Q_INVOKABLE QVariantMap presetRange(int choice) const;
    // Whether the months of the days (date pickers' midnights) can be printed: 0 yes, 1 the
    // last lies before the first, 2 more than maximumMonths or outside the years of the data.
    Q_INVOKABLE int rangeProblem(const QDateTime &from, const QDateTime &to) const;
    // Computes the months of the two days for the calculation's place, then does the action:
    // the preview, the print dialog, or (after the save dialog) the PDF file. The names of
    // months and weekdays are in `language`, the weeks start as in the locale `localeName`,
    // which also chooses the paper. False, and nothing started, while busy or without a
    // calculation. Ends with finished(): ok once the pages were printed or written (the
    // preview ends without), naming the PDF file written.
    Q_INVOKABLE bool start(int action, const QDateTime &from, const QDateTime &to, bool landscape,
                           const QString &placeName, const QString &language,
                           const QString &localeName);
    Q_INVOKABLE void cancel();

    // The computed months on a printer, as the preview and the print dialog draw them: the
    // pages the printer's range chooses, or all.
    bool paint(QPrinter *printer) const;
    // The printer the dialogs share, made on first use.
    QPrinter *printer();
    const Document &document() const { return m_document; }

signals:
    void calendarModelChanged(astro::CalendarModel *calendarModel);

private:
    void compute(const Request &request, const QString &pdfPath);
    void computed(const Document &document, const QString &file, const QString &error);
    void showPreview();
    void showPrintDialog();
    void askForFile(const Request &request);
    QPageLayout layout() const;

    QPointer<astro::CalendarModel> m_calendarModel;
    int m_action = Preview;
    bool m_landscape = false;
    QPageSize::PageSizeId m_paper = QPageSize::A4;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    Document m_document;
    QString m_folder; // where the save dialog opens
    std::unique_ptr<QPrinter> m_printer;
    global::TaskGroup m_tasks;
};

} // namespace print

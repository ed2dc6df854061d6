#include "print/pdffile.h"

#include "global/object.h"
#include "print/pages.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace print {

QPageLayout pageLayout(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(paper), orientation, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QString writePdf(const Document &document, const QString &path, const QPageLayout &layout)
{
    if (document.months.isEmpty())
        return QStringLiteral("no month to print");
    const QString name = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(name, file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(layout);
        pdf.setCreator(global::Object::product() + QLatin1Char(' ') + global::Object::version());
        const QDate first = document.months.first().first, last = document.months.last().first;
        pdf.setTitle(first == last ? first.toString(QStringLiteral("yyyy-MM"))
                                   : QStringLiteral("%1 \u2013 %2")
                                         .arg(first.toString(QStringLiteral("yyyy-MM")),
                                              last.toString(QStringLiteral("yyyy-MM"))));
        if (!paintPages(pdf, document))
            return QStringLiteral("%1: the pages could not be drawn").arg(name);
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(name, file.errorString());
    return QString();
}

} // namespace print

#pragma once

#include "print/months.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace print {

// The page a month is printed on: the paper, turned or not, with margins of 10 mm.
QPageLayout pageLayout(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation);

// Writes the document's pages into a PDF file: vectors and embedded fonts, one month a page.
// The file is replaced only once it is complete. Empty when written; otherwise one line that
// says why not.
QString writePdf(const Document &document, const QString &path, const QPageLayout &layout);

} // namespace print

#pragma once

#include "print/months.h"

#include <QLocale>
#include <QPageSize>

class QPagedPaintDevice;

namespace print {

// The paper of a locale's country: Letter in North America, parts of Latin America and the
// Philippines, A4 everywhere else.
QPageSize::PageSizeId paperOf(const QLocale &locale);

// Where a month's first day stands in a week that starts on firstDayOfWeek (0 to 6), and how
// many weeks the month's grid spans (4 to 6).
int leadingDays(const QDate &month, Qt::DayOfWeek firstDayOfWeek);
int weekRows(const QDate &month, Qt::DayOfWeek firstDayOfWeek);

// The program's own fonts, so that the pages look alike on every computer and a PDF embeds
// what it shows. paintPages() loads them; a program that paints on other threads loads them
// first on its own.
void loadFonts();

// Draws the months, one a page, as vectors on a printer or a PDF writer whose page is set, in
// the area it paints on. False when nothing could be drawn (the device refused the painter).
// The words are translated with the application's translators; the fonts come from the
// resource folder.
bool paintPages(QPagedPaintDevice &device, const Document &document);

} // namespace print

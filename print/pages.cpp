#include "print/pages.h"

#include "global/object.h"
#include "print/logging.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <mutex>

namespace print {

namespace {

// Ink for paper: the screen's greens and blues, a little darker where they are small.
const QColor Ink(0x1a, 0x1a, 0x1a);
const QColor Title(0x34, 0x3a, 0x4d);
const QColor Muted(0x55, 0x5e, 0x79);
const QColor Rule(0x9a, 0xa0, 0xad);
const QColor Outside(0xf3, 0xf4, 0xf7);
const QColor SignInk(0x2b, 0x75, 0x2c);
const QColor LunarInk(0x1f, 0x66, 0xb8);
const QColor PhaseDark(0x34, 0x3a, 0x4d);
// Eclipses, and a full or new moon near a perigee, as the calendar marks them.
const QColor Alert(0xc6, 0x28, 0x28);

const QString Text = QStringLiteral("PT Sans");
const QString Glyphs = QStringLiteral("Vendarion");

QString capitalized(const QLocale &locale, const QString &word)
{
    return locale.toUpper(word.left(1)) + word.mid(1);
}

QString clock(const QDateTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

bool isPhase(Mark::Kind kind)
{
    return kind <= Mark::LastQuarter;
}

QString signGlyph(int sign)
{
    return sign >= 0 && sign < 12 ? QString(QChar(0x2648 + sign)) : QString();
}

class MonthPage
{
    Q_DECLARE_TR_FUNCTIONS(MonthPage)

public:
    MonthPage(QPainter &painter, const Document &document, const QSizeF &size, double unit)
        : m_painter(painter)
        , m_request(document.request)
        , m_size(size)
        , m_unit(unit)
    {}

    void draw(const Month &month)
    {
        const int rows = weekRows(month.first, m_request.firstDayOfWeek);
        const int lead = leadingDays(month.first, m_request.firstDayOfWeek);
        const double titleHeight = pt(34), headerHeight = pt(16), footerHeight = pt(38);
        drawTitle(month.first, QRectF(0, 0, m_size.width(), titleHeight));
        const QRectF grid(0, titleHeight + headerHeight, m_size.width(),
                          m_size.height() - titleHeight - headerHeight - footerHeight);
        const double w = grid.width() / 7, h = grid.height() / rows;
        // Larger cells (landscape, or Letter) get larger writing, up to half again.
        m_cellScale = std::clamp(std::min(w / pt(76), h / pt(64)), 0.85, 1.5);
        drawWeekdays(QRectF(0, titleHeight, m_size.width(), headerHeight), w);
        for (int cell = 0; cell < rows * 7; ++cell) {
            const QRectF r(grid.left() + (cell % 7) * w, grid.top() + (cell / 7) * h, w, h);
            const int day = cell - lead;
            if (day >= 0 && day < month.days.size())
                drawDay(r, month.days.at(day));
            else
                m_painter.fillRect(r, Outside);
        }
        m_painter.setPen(QPen(Rule, pt(0.5)));
        for (int c = 0; c <= 7; ++c)
            m_painter.drawLine(QPointF(grid.left() + c * w, grid.top()),
                               QPointF(grid.left() + c * w, grid.bottom()));
        for (int r = 0; r <= rows; ++r)
            m_painter.drawLine(QPointF(grid.left(), grid.top() + r * h),
                               QPointF(grid.right(), grid.top() + r * h));
        drawFooter(month, QRectF(0, grid.bottom() + pt(6), m_size.width(), footerHeight - pt(6)));
    }

private:
    double pt(double points) const { return points * m_unit; }

    QFont font(const QString &family, double points, bool bold = false) const
    {
        QFont f(family);
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }

    // Writes text with its left edge at x on the baseline y; returns where it ends.
    double write(double x, double y, const QString &text, const QFont &f, const QColor &colour)
    {
        m_painter.setFont(f);
        m_painter.setPen(colour);
        m_painter.drawText(QPointF(x, y), text);
        return x + QFontMetricsF(f, m_painter.device()).horizontalAdvance(text);
    }
    double width(const QString &text, const QFont &f) const
    {
        return QFontMetricsF(f, m_painter.device()).horizontalAdvance(text);
    }

    void drawTitle(const QDate &month, const QRectF &r)
    {
        const QLocale &names = m_request.names;
        const QString title = capitalized(names, names.standaloneMonthName(month.month()))
                              + QLatin1Char(' ') + names.toString(month, QStringLiteral("yyyy"));
        m_painter.setFont(font(Text, 22, true));
        m_painter.setPen(Title);
        m_painter.drawText(r.adjusted(0, 0, 0, -pt(8)), Qt::AlignLeft | Qt::AlignBottom, title);
    }

    // Long names where the column holds the longest of them, else the short ones.
    void drawWeekdays(const QRectF &r, double columnWidth)
    {
        const QLocale &names = m_request.names;
        const QFont f = font(Text, 9);
        QLocale::FormatType format = QLocale::LongFormat;
        for (int d = 1; d <= 7; ++d) {
            if (width(names.dayName(d, format), f) > columnWidth - pt(8))
                format = QLocale::ShortFormat;
        }
        m_painter.setFont(f);
        m_painter.setPen(Muted);
        for (int c = 0; c < 7; ++c) {
            const int day = (int(m_request.firstDayOfWeek) - 1 + c) % 7 + 1;
            m_painter.drawText(QRectF(r.left() + c * columnWidth + pt(4), r.top(),
                                      columnWidth - pt(8), r.height() - pt(3)),
                               Qt::AlignLeft | Qt::AlignBottom,
                               capitalized(names, names.dayName(day, format)));
        }
    }

    // The day's number with its phase at the top; the sign (and the next with the minute it is
    // entered) and the lunar day below; then the void of course and the great days.
    void drawDay(const QRectF &r, const Day &day)
    {
        m_painter.save();
        m_painter.setClipRect(r);
        const double k = m_cellScale;
        auto at = [&](double points) { return pt(points * k); };
        const double left = r.left() + at(4), right = r.right() - at(4);
        double y = r.top() + at(17);
        write(left, y, QString::number(day.date.day()), font(Text, 14 * k, true), Ink);

        const QFont small = font(Text, 7.5 * k);
        double x = right;
        for (int i = day.marks.size() - 1; i >= 0; --i) {
            const Mark &mark = day.marks.at(i);
            if (!isPhase(mark.kind))
                continue;
            x -= width(clock(mark.time), small);
            write(x, y - at(1), clock(mark.time), small, Ink);
            x -= at(6.5);
            drawPhase(QPointF(x, y - at(4)), at(4), mark.kind, day.nearPerigee);
            x -= at(7);
        }

        y += at(13);
        const QFont glyphs = font(Glyphs, 9.5 * k);
        x = write(left, y, signGlyph(day.sign), glyphs, SignInk);
        if (day.nextSign >= 0) {
            x = write(x + at(1.5), y, signGlyph(day.nextSign), glyphs, SignInk);
            write(x + at(2), y, clock(day.ingress), small, Ink);
        }
        const QString lunar
            = day.lunarDayStart == day.lunarDayEnd
                  ? QString::number(day.lunarDayStart)
                  : QStringLiteral("%1\u2013%2").arg(day.lunarDayStart).arg(day.lunarDayEnd);
        const QFont lunarFont = font(Text, 8.5 * k, true);
        write(right - width(lunar, lunarFont), y, lunar, lunarFont, LunarInk);

        if (day.voidCarriedEnd.isValid()) {
            y += at(11);
            write(left, y, QStringLiteral("\u2026\u2013%1").arg(clock(day.voidCarriedEnd)), small,
                  Muted);
        }
        if (day.voidStart.isValid()) {
            y += at(11);
            write(left, y,
                  QStringLiteral("%1\u2013%2").arg(clock(day.voidStart), clock(day.voidEnd)), small,
                  Muted);
        }
        // The great days in full, wrapped to the cell's width, and smaller where the cell is
        // short (landscape pages of six weeks).
        y += at(4);
        QVector<const Mark *> great;
        for (const Mark &mark : day.marks) {
            if (!isPhase(mark.kind))
                great.append(&mark);
        }
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF room(left, y, right - left, r.bottom() - y - at(2));
        QFont words = small;
        for (double size = 7.5 * k; size >= 5.0; size -= 0.5) {
            words = font(Text, size);
            m_painter.setFont(words);
            double height = 0.0;
            for (const Mark *mark : qAsConst(great))
                height += m_painter.boundingRect(room, flags, greatDayText(*mark)).height() + at(2);
            if (height <= room.height())
                break;
        }
        for (const Mark *mark : qAsConst(great)) {
            QRectF used;
            m_painter.setFont(words);
            m_painter.setPen(mark->kind == Mark::Eclipse ? Alert : Ink);
            m_painter.drawText(QRectF(left, y, right - left, r.bottom() - y), flags,
                               greatDayText(*mark), &used);
            y += used.height() + at(2);
        }
        m_painter.restore();
    }

    // The Moon as a disc, its dark part filled: as seen from the place's hemisphere, where the
    // waxing Moon is lit on the right north of the equator and on the left south of it.
    // A full or new moon near a perigee is drawn in red.
    void drawPhase(const QPointF &centre, double radius, Mark::Kind kind, bool nearPerigee = false)
    {
        const QColor ink = nearPerigee ? Alert : PhaseDark;
        const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setPen(QPen(ink, pt(nearPerigee ? 0.9 : 0.6)));
        m_painter.setBrush(Qt::white);
        m_painter.drawEllipse(disc);
        m_painter.setBrush(ink);
        if (kind == Mark::NewMoon) {
            m_painter.drawEllipse(disc);
        } else if (kind == Mark::FirstQuarter || kind == Mark::LastQuarter) {
            const bool south = m_request.place.latitude() < 0.0;
            // The dark half: left of a waxing Moon in the north.
            const bool darkLeft = (kind == Mark::FirstQuarter) != south;
            QPainterPath half;
            half.moveTo(centre);
            half.arcTo(disc, darkLeft ? 90 : -90, 180);
            half.closeSubpath();
            m_painter.drawPath(half);
        }
        m_painter.restore();
    }

    // In the words of the window's tips: "Total lunar eclipse, maximum 12:33, visible here",
    // "Perigee 13:17, 356,980 km".
    QString greatDayText(const Mark &mark) const
    {
        const QVariantMap &e = mark.event;
        if (mark.kind == Mark::Eclipse) {
            static const QHash<QString, const char *> names = {
                {QStringLiteral("moon penumbral"),
                 QT_TRANSLATE_NOOP("Events", "Penumbral lunar eclipse")},
                {QStringLiteral("moon partial"),
                 QT_TRANSLATE_NOOP("Events", "Partial lunar eclipse")},
                {QStringLiteral("moon total"), QT_TRANSLATE_NOOP("Events", "Total lunar eclipse")},
                {QStringLiteral("sun partial"),
                 QT_TRANSLATE_NOOP("Events", "Partial solar eclipse")},
                {QStringLiteral("sun annular"),
                 QT_TRANSLATE_NOOP("Events", "Annular solar eclipse")},
                {QStringLiteral("sun total"), QT_TRANSLATE_NOOP("Events", "Total solar eclipse")},
                {QStringLiteral("sun hybrid"),
                 QT_TRANSLATE_NOOP("Events", "Hybrid solar eclipse")}};
            const QString key = e.value(QStringLiteral("body")).toString() + QLatin1Char(' ')
                                + e.value(QStringLiteral("type")).toString();
            // A solar eclipse seen from the place is told by its greatest phase there.
            const QDateTime local = e.value(QStringLiteral("localMaximum")).toDateTime();
            const QString text
                = e.value(QStringLiteral("visible")).toBool()
                      ? QCoreApplication::translate("Events", "%1, maximum %2, visible here")
                      : QCoreApplication::translate("Events", "%1, maximum %2, not visible here");
            return text.arg(QCoreApplication::translate("Events", names.value(key, "")),
                            clock(local.isValid() ? local : mark.time));
        }
        const QString km
            = m_request.names.toString(qRound64(e.value(QStringLiteral("distanceKm")).toDouble()));
        const QString text = mark.kind == Mark::Perigee
                                 ? QCoreApplication::translate("Events", "Perigee %1, %2 km")
                                 : QCoreApplication::translate("Events", "Apogee %1, %2 km");
        return text.arg(clock(mark.time), km);
    }

    // The place and zone; then the legend, its items wrapped onto a second line where the
    // language needs it; the program's name at the right of the last line.
    void drawFooter(const Month &month, const QRectF &r)
    {
        const QFont f = font(Text, 7.5);
        const double line = pt(10);
        double y = r.top() + pt(7);
        write(r.left(), y, placeText() + QStringLiteral(" \u00b7 ") + zoneText(month), f, Ink);
        y += line;

        // Each item: its sample, drawn at x on the baseline y (returning where it ends), and
        // its words.
        struct Item
        {
            std::function<double(double, double, bool)> sample;
            QString words;
        };
        QVector<Item> items;
        static const struct
        {
            Mark::Kind kind;
            const char *name;
        } phases[] = {{Mark::NewMoon, QT_TRANSLATE_NOOP("Lunar", "New Moon")},
                      {Mark::FirstQuarter, QT_TRANSLATE_NOOP("Lunar", "First Quarter")},
                      {Mark::FullMoon, QT_TRANSLATE_NOOP("Lunar", "Full Moon")},
                      {Mark::LastQuarter, QT_TRANSLATE_NOOP("Lunar", "Third Quarter")}};
        for (const auto &phase : phases) {
            const Mark::Kind kind = phase.kind;
            items.append({[this, kind](double x, double y, bool draw) {
                              if (draw)
                                  drawPhase(QPointF(x + pt(3.5), y - pt(2.6)), pt(3.5), kind);
                              return x + pt(7);
                          },
                          QCoreApplication::translate("Lunar", phase.name)});
        }
        auto text = [this](const QString &sample, const QFont &font, const QColor &colour) {
            return [this, sample, font, colour](double x, double y, bool draw) {
                return draw ? write(x, y, sample, font, colour) : x + width(sample, font);
            };
        };
        items.append({text(signGlyph(0) + signGlyph(1) + QStringLiteral(" hh:mm"), f, SignInk),
                      tr("the Moon enters the sign")});
        items.append(
            {text(QStringLiteral("1\u201330"), font(Text, 7.5, true), LunarInk), tr("lunar day")});
        items.append({text(QStringLiteral("hh:mm\u2013hh:mm"), f, Muted), tr("void of course")});
        if (std::any_of(month.days.begin(), month.days.end(),
                        [](const Day &day) { return day.nearPerigee; })) {
            items.append(
                {[this](double x, double y, bool draw) {
                     if (draw)
                         drawPhase(QPointF(x + pt(3.5), y - pt(2.6)), pt(3.5), Mark::FullMoon,
                                   true);
                     return x + pt(7);
                 },
                 QCoreApplication::translate(
                     "Events", "Called out: a full or new moon within 24 hours of a perigee.")});
        }

        double x = r.left();
        for (const Item &item : qAsConst(items)) {
            const double end = item.sample(x, y, false) + pt(2) + width(item.words, f);
            if (end > r.right() && x > r.left()) {
                x = r.left();
                y += line;
            }
            x = write(item.sample(x, y, true) + pt(2), y, item.words, f, Ink) + pt(10);
        }

        const QString product
            = global::Object::product() + QLatin1Char(' ') + global::Object::version();
        if (x + width(product, f) > r.right())
            y += line;
        write(r.right() - width(product, f), y, product, f, Muted);
    }

    // The place's name and its coordinates, with the language's decimal point.
    QString placeText() const
    {
        const astro::Position &place = m_request.place;
        const QLocale &names = m_request.names;
        auto degrees = [&](double value) { return names.toString(std::fabs(value), 'f', 2); };
        const QString north = place.latitude() < 0 ? QCoreApplication::translate("Places", "%1° S")
                                                   : QCoreApplication::translate("Places", "%1° N");
        const QString east = place.longitude() < 0 ? QCoreApplication::translate("Places", "%1° W")
                                                   : QCoreApplication::translate("Places", "%1° E");
        const QString coordinates = north.arg(degrees(place.latitude())) + QStringLiteral(", ")
                                    + east.arg(degrees(place.longitude()));
        const QString name = m_request.placeName.simplified();
        return name.isEmpty() ? coordinates : name + QStringLiteral(" \u00b7 ") + coordinates;
    }

    // The zone by name and how it is called in the month, with the day its clock changes.
    QString zoneText(const Month &month) const
    {
        const QTimeZone zone = m_request.zone.timeZone();
        const QDateTime begin = m_request.zone.startOfDay(month.first);
        const QDateTime end = m_request.zone.startOfDay(month.first.addMonths(1));
        QString called = astro::Zone::describe(zone, begin);
        const QTimeZone::OffsetData change = zone.nextTransition(begin);
        if (change.atUtc.isValid() && change.atUtc < end) {
            const QDate day = change.atUtc.toTimeZone(zone).date();
            called += QStringLiteral("; ")
                      + tr("%1 from %2")
                            .arg(astro::Zone::describe(zone, change.atUtc),
                                 m_request.names.toString(day, tr("d MMMM")));
        }
        return tr("Times in %1 (%2)").arg(QString::fromUtf8(zone.id()), called);
    }

    QPainter &m_painter;
    const Request &m_request;
    const QSizeF m_size;
    const double m_unit;
    double m_cellScale = 1.0;
};

} // namespace

void loadFonts()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char *file : {"pt-sans.ttf", "pt-sans-bold.ttf", "vendarion.ttf"}) {
            const QString path
                = global::Object::resourcePath() + QStringLiteral("fonts/") + QLatin1String(file);
            if (QFontDatabase::addApplicationFont(path) < 0)
                qCWarning(lcPrint).noquote() << QStringLiteral("no font in %1").arg(path);
        }
    });
}

QPageSize::PageSizeId paperOf(const QLocale &locale)
{
    static const QLocale::Country letter[] = {
        QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,     QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia, QLocale::Venezuela,  QLocale::Guatemala,
        QLocale::CostaRica,    QLocale::Panama,   QLocale::PuertoRico, QLocale::DominicanRepublic};
    return std::find(std::begin(letter), std::end(letter), locale.country()) != std::end(letter)
               ? QPageSize::Letter
               : QPageSize::A4;
}

int leadingDays(const QDate &month, Qt::DayOfWeek firstDayOfWeek)
{
    const QDate first(month.year(), month.month(), 1);
    return (first.dayOfWeek() - int(firstDayOfWeek) + 7) % 7;
}

int weekRows(const QDate &month, Qt::DayOfWeek firstDayOfWeek)
{
    return (leadingDays(month, firstDayOfWeek) + month.daysInMonth() + 6) / 7;
}

bool paintPages(QPagedPaintDevice &device, const Document &document)
{
    if (document.months.isEmpty())
        return false;
    loadFonts();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    MonthPage page(painter, document, QSizeF(device.width(), device.height()),
                   device.logicalDpiX() / 72.0);
    for (int i = 0; i < document.months.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        page.draw(document.months.at(i));
    }
    return painter.end();
}

} // namespace print

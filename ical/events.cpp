#include "ical/events.h"

#include "astro/library.h"
#include "astro/moonevents.h"
#include "astro/planet.h"
#include "astro/searches.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <memory>

namespace ical {

namespace {

Q_LOGGING_CATEGORY(lcIcal, "vendarion.ical")

// The signs' names are the window's own ("Lunar"), so a file names them as the window does.
const char *const SignNames[12]
    = {QT_TRANSLATE_NOOP("Lunar", "Aries"),       QT_TRANSLATE_NOOP("Lunar", "Taurus"),
       QT_TRANSLATE_NOOP("Lunar", "Gemini"),      QT_TRANSLATE_NOOP("Lunar", "Cancer"),
       QT_TRANSLATE_NOOP("Lunar", "Leo"),         QT_TRANSLATE_NOOP("Lunar", "Virgo"),
       QT_TRANSLATE_NOOP("Lunar", "Libra"),       QT_TRANSLATE_NOOP("Lunar", "Scorpio"),
       QT_TRANSLATE_NOOP("Lunar", "Sagittarius"), QT_TRANSLATE_NOOP("Lunar", "Capricorn"),
       QT_TRANSLATE_NOOP("Lunar", "Aquarius"),    QT_TRANSLATE_NOOP("Lunar", "Pisces")};

// The events' texts in one language, from the interface's translation files in the resources of
// whichever program runs this: its own words, not whatever translation the process installed.
class Words
{
public:
    explicit Words(const QString &language)
    {
        if (language.isEmpty() || language == QLatin1String("en"))
            return;
        const QString file = QStringLiteral(":/translations/vendarion_%1.qm").arg(language);
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file))
            m_translator = std::move(translator);
        else
            qCWarning(lcIcal).noquote()
                << QStringLiteral("no texts for the language '%1', writing English").arg(language);
    }

    QString operator()(const char *context, const char *text) const
    {
        const QString translated
            = m_translator ? m_translator->translate(context, text) : QString();
        return translated.isEmpty() ? QString::fromUtf8(text) : translated;
    }

    QString sign(int sign) const
    {
        return sign >= 0 && sign < 12 ? (*this)("Lunar", SignNames[sign]) : QString();
    }

private:
    std::unique_ptr<QTranslator> m_translator;
};

// A void of course that begins within the days may end this long after them.
constexpr double LongestVoid = double(astro::MaxVoidMinutes) * astro::MinuteInDays;

class Collector
{
public:
    Collector(const Request &request, const std::atomic<bool> *cancel, const Progress &progress)
        : m_request(request)
        , m_cancel(cancel)
        , m_progress(progress)
        , m_words(request.language)
    {
        const QTimeZone zone = request.zone.isValid() ? request.zone : QTimeZone::utc();
        // Instants are cut to their minute on the clock they are written on.
        m_sky = {astro::Planet::MOON, request.place, astro::Zone(zone)};
        m_begin = request.from.startOfDay(zone);
        m_end = request.to.addDays(1).startOfDay(zone);
        m_jdBegin = astro::julianDay(m_begin);
        m_jdEnd = astro::julianDay(m_end);
        // One scan finds the ingresses and the voids: one part of the work.
        for (int part :
             {Void | Ingress, int(Phase), int(LunarDay), int(Rise), int(Set), Eclipse | Apsis})
            m_parts += (request.kinds & part) ? 1 : 0;
    }

    QVector<Event> run()
    {
        const int kinds = m_request.kinds;
        if (kinds & (Void | Ingress))
            signs();
        if (kinds & Phase)
            phases();
        if (kinds & LunarDay)
            lunarDays();
        if (kinds & Rise)
            horizon(Rise);
        if (kinds & Set)
            horizon(Set);
        if (kinds & (Eclipse | Apsis))
            greatDays();
        std::stable_sort(m_events.begin(), m_events.end(), [](const Event &a, const Event &b) {
            return a.start < b.start || (a.start == b.start && a.kind < b.kind);
        });
        return m_events;
    }

private:
    bool stopped() const { return m_cancel && *m_cancel; }
    // Under way within the days: begun within them, or begun before and not yet over at
    // their start.
    bool inRange(const QDateTime &start, const QDateTime &end) const
    {
        return start.isValid() && start < m_end
               && (!(start < m_begin) || (end.isValid() && m_begin < end));
    }

    void add(Kind kind, const QString &key, const QDateTime &start, const QDateTime &end,
             const QString &summary, int sign = -1, int fromSign = -1, int lunarDay = 0)
    {
        if (inRange(start, end))
            m_events.append({kind, key, start, end, summary, sign, fromSign, lunarDay});
    }

    // Each kind is one part of the work; within it, how far through the days it has come.
    void report(double jd)
    {
        if (!m_progress)
            return;
        const double within = std::clamp((jd - m_jdBegin) / (m_jdEnd - m_jdBegin), 0.0, 1.0);
        m_progress((m_done + within) / m_parts);
    }
    void partDone()
    {
        ++m_done;
        report(m_jdBegin);
    }

    // The ingresses, and the void of course that ends at each. One scan for both.
    void signs()
    {
        const bool voids = m_request.kinds & Void;
        const QVector<astro::Ingress> changes
            = astro::ingresses(m_sky, m_jdBegin, m_jdEnd + (voids ? LongestVoid : 0.0), m_cancel);
        for (const astro::Ingress &change : changes) {
            if (stopped())
                return;
            const QString entered = m_words.sign(change.sign);
            if (m_request.kinds & Ingress) {
                add(Ingress, QStringLiteral("ingress"), astro::ingressMinute(m_sky, change), {},
                    m_words("ical", QT_TRANSLATE_NOOP("ical", "Moon enters %1")).arg(entered),
                    change.sign);
            }
            if (voids) {
                // Named after the ingress that ends it, the better fixed of its two ends.
                const astro::VoidOfCourse v = astro::voidBefore(m_sky, change);
                if (v.zodiac >= 0) {
                    //: %1 the sign the Moon leaves, %2 the one it enters.
                    add(Void, QStringLiteral("void"), v.start, v.end,
                        m_words("ical",
                                QT_TRANSLATE_NOOP("ical", "Moon void of course (%1 \u2192 %2)"))
                            .arg(m_words.sign(v.zodiac), entered),
                        change.sign, v.zodiac);
                }
            }
            report(change.instant);
        }
        partDone();
    }

    void phases()
    {
        static const struct
        {
            double target;
            const char *key;
            const char *summary;
        } quarters[] = {{0.0, "newmoon", QT_TRANSLATE_NOOP("ical", "New moon")},
                        {0.25, "firstquarter", QT_TRANSLATE_NOOP("ical", "First quarter")},
                        {0.5, "fullmoon", QT_TRANSLATE_NOOP("ical", "Full moon")},
                        {0.75, "lastquarter", QT_TRANSLATE_NOOP("ical", "Last quarter")}};
        for (const auto &q : quarters) {
            for (QDateTime t = m_begin; !stopped();) {
                const QDateTime at
                    = astro::phaseMinute(m_sky, t, q.target, astro::Direction::Forward);
                if (!at.isValid() || !(at < m_end))
                    break;
                add(Phase, QString::fromLatin1(q.key), at, {}, m_words("ical", q.summary));
                t = at.addDays(1);
            }
        }
        partDone();
    }

    // Lunar day n of a lunation of L days begins where L x phase reaches n - 1, the rule the
    // ephemeris counts its lunar day by, with the same minute-cut new moons.
    void lunarDays()
    {
        using astro::Direction;
        QDateTime newMoon = astro::phaseMinute(m_sky, m_begin, 0.0, Direction::Backward);
        while (newMoon.isValid() && newMoon < m_end && !stopped()) {
            const QDateTime next
                = astro::phaseMinute(m_sky, newMoon.addDays(1), 0.0, Direction::Forward);
            if (!next.isValid())
                return;
            const double length = astro::julianDay(next) - astro::julianDay(newMoon);
            QDateTime start = newMoon;
            for (int day = 1; day <= 30 && start.isValid(); ++day) {
                const QDateTime end = day == 30 ? next
                                                : astro::phaseMinute(m_sky, start, day / length,
                                                                     Direction::Forward);
                add(LunarDay, QStringLiteral("lunarday%1").arg(day), start, end,
                    m_words("ical", QT_TRANSLATE_NOOP("ical", "Lunar day %1")).arg(day), -1, -1,
                    day);
                start = end;
            }
            newMoon = next;
            report(astro::julianDay(newMoon));
        }
        partDone();
    }

    void horizon(Kind kind)
    {
        for (double jd = m_jdBegin; jd < m_jdEnd && !stopped();) {
            const QDateTime t = astro::horizonEventAfter(
                m_sky, kind == Rise ? astro::HorizonEvent::Rising : astro::HorizonEvent::Setting,
                jd);
            // Near the poles the Moon may stay above or below the horizon for days.
            if (!t.isValid()) {
                jd += 1.0;
                continue;
            }
            if (!(t < m_end))
                break;
            add(kind, kind == Rise ? QStringLiteral("rise") : QStringLiteral("set"), t, {},
                kind == Rise ? m_words("ical", QT_TRANSLATE_NOOP("ical", "Moonrise"))
                             : m_words("ical", QT_TRANSLATE_NOOP("ical", "Moonset")));
            // The minute holds the instant: searching from its end finds the next one.
            jd = std::max(jd, astro::julianDay(t)) + astro::MinuteInDays;
            report(jd);
        }
        partDone();
    }

    // Eclipses and apsides, one search for both. An eclipse is an event from its first to its
    // last contact (as seen from the place, for a solar eclipse seen there) and counts from its
    // greatest eclipse: it belongs to the days its maximum falls in.
    void greatDays()
    {
        using astro::MoonEvent;
        const int kinds = m_request.kinds;
        for (const MoonEvent &e : astro::moonEventsBetween(m_sky, m_jdBegin, m_jdEnd, m_cancel)) {
            if (stopped())
                return;
            const QDateTime at = astro::localTime(e.instant, m_sky.zone);
            if (e.kind == MoonEvent::Kind::Eclipse && (kinds & Eclipse)) {
                const astro::Eclipse &x = e.eclipse.eclipse;
                const auto &local = e.eclipse.local;
                const QDateTime begin
                    = astro::localTime(local ? local->begin : x.begin, m_sky.zone);
                const QDateTime end = astro::localTime(local ? local->end : x.end, m_sky.zone);
                // Counted by its maximum, not by when it is under way.
                if (inRange(at, QDateTime()))
                    m_events.append({Eclipse, eclipseKey(x), begin, end, eclipseSummary(e, at)});
            } else if (e.kind != MoonEvent::Kind::Eclipse && (kinds & Apsis)) {
                add(Apsis, astro::kindName(e.kind), at, {}, apsisSummary(e));
            }
            report(e.instant);
        }
        partDone();
    }

    static QString eclipseKey(const astro::Eclipse &e)
    {
        return e.body == astro::EclipseBody::Moon ? QStringLiteral("lunareclipse")
                                                  : QStringLiteral("solareclipse");
    }

    // "Total lunar eclipse, maximum 12:33, visible here"; a solar eclipse seen here by what is
    // seen: "Total solar eclipse, visible here: 92 % of the Sun covered at 20:17". The names
    // and phrases are the window's own ("Events").
    QString eclipseSummary(const astro::MoonEvent &e, const QDateTime &maximum) const
    {
        const astro::Eclipse &x = e.eclipse.eclipse;
        const QString name = m_words("Events", eclipseName(x));
        const auto &local = e.eclipse.local;
        if (local) {
            return m_words("ical", QT_TRANSLATE_NOOP(
                                       "ical", "%1, visible here: %2 % of the Sun covered at %3"))
                .arg(name)
                .arg(qRound(local->obscuration * 100.0))
                .arg(
                    astro::localTime(local->maximum, m_sky.zone).toString(QStringLiteral("HH:mm")));
        }
        return m_words("Events",
                       e.eclipse.visible
                           ? QT_TRANSLATE_NOOP("Events", "%1, maximum %2, visible here")
                           : QT_TRANSLATE_NOOP("Events", "%1, maximum %2, not visible here"))
            .arg(name, maximum.toString(QStringLiteral("HH:mm")));
    }

    static const char *eclipseName(const astro::Eclipse &x)
    {
        using astro::EclipseType;
        const bool lunar = x.body == astro::EclipseBody::Moon;
        switch (x.type) {
        case EclipseType::Penumbral:
            return QT_TRANSLATE_NOOP("Events", "Penumbral lunar eclipse");
        case EclipseType::Partial:
            return lunar ? QT_TRANSLATE_NOOP("Events", "Partial lunar eclipse")
                         : QT_TRANSLATE_NOOP("Events", "Partial solar eclipse");
        case EclipseType::Total:
            return lunar ? QT_TRANSLATE_NOOP("Events", "Total lunar eclipse")
                         : QT_TRANSLATE_NOOP("Events", "Total solar eclipse");
        case EclipseType::Annular:
            return QT_TRANSLATE_NOOP("Events", "Annular solar eclipse");
        case EclipseType::Hybrid:
            return QT_TRANSLATE_NOOP("Events", "Hybrid solar eclipse");
        }
        return "";
    }

    // "Perigee, 357140 km", and the full or new moon near it.
    QString apsisSummary(const astro::MoonEvent &e) const
    {
        const QString distance = QLocale::c().toString(qRound64(e.distanceKm));
        QString text
            = e.kind == astro::MoonEvent::Kind::Perigee
                  ? m_words("ical", QT_TRANSLATE_NOOP("ical", "Perigee, %1 km")).arg(distance)
                  : m_words("ical", QT_TRANSLATE_NOOP("ical", "Apogee, %1 km")).arg(distance);
        if (std::isfinite(e.nearPhase)) {
            text += QLatin1Char(' ')
                    + (e.nearPhase > 0.0
                           ? m_words("ical",
                                     QT_TRANSLATE_NOOP("ical", "(full moon within %1 hours)"))
                           : m_words("ical",
                                     QT_TRANSLATE_NOOP("ical", "(new moon within %1 hours)")))
                          .arg(astro::NearPerigeeHours);
        }
        return text;
    }

    const Request &m_request;
    const std::atomic<bool> *m_cancel;
    const Progress &m_progress;
    const Words m_words;
    astro::Sky m_sky;
    QDateTime m_begin, m_end;
    double m_jdBegin = 0.0, m_jdEnd = 0.0;
    int m_parts = 0;
    int m_done = 0;
    QVector<Event> m_events;
};

} // namespace

QString signName(int sign)
{
    return sign >= 0 && sign < 12 ? QString::fromLatin1(SignNames[sign]) : QString();
}

const QStringList &kindNames()
{
    static const QStringList names
        = {QStringLiteral("void"),     QStringLiteral("ingress"), QStringLiteral("phase"),
           QStringLiteral("lunarday"), QStringLiteral("rise"),    QStringLiteral("set"),
           QStringLiteral("eclipse"),  QStringLiteral("apsis")};
    return names;
}

const QStringList &languages()
{
    static const QStringList codes
        = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
           QStringLiteral("ru")};
    return codes;
}

int kindsOf(const QString &names)
{
    int kinds = 0;
    for (const QString &name : names.split(QLatin1Char(','))) {
        const int bit = kindNames().indexOf(name.trimmed().toLower());
        if (bit < 0)
            return 0;
        kinds |= 1 << bit;
    }
    return kinds;
}

QString rangeError(const QDate &from, const QDate &to, int maximumYears)
{
    if (!from.isValid() || !to.isValid())
        return QStringLiteral("the range needs a first and a last day");
    if (to < from)
        return QStringLiteral("the last day %1 is before the first %2")
            .arg(to.toString(Qt::ISODate), from.toString(Qt::ISODate));
    if (from.year() < astro::FirstEphemerisYear || to.year() > astro::LastEphemerisYear)
        return QStringLiteral("the days must lie within the years %1 to %2")
            .arg(astro::FirstEphemerisYear)
            .arg(astro::LastEphemerisYear);
    if (!(to < from.addYears(maximumYears)))
        return QStringLiteral("at most %1 years at a time").arg(maximumYears);
    return QString();
}

QVector<Event> collectEvents(const Request &request, const std::atomic<bool> *cancel,
                             const Progress &progress)
{
    if (!rangeError(request.from, request.to).isEmpty() || !(request.kinds & AllKinds))
        return {};
    return Collector(request, cancel, progress).run();
}

} // namespace ical
